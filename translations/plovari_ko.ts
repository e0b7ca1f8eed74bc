<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Accessibility</name>
    <message>
        <source>Low</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Lw&quot;).</extracomment>
        <translation>낮음</translation>
    </message>
    <message>
        <source>Regular</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Rg&quot;).</extracomment>
        <translation>보통</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Md&quot;).</extracomment>
        <translation>중간</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Hi&quot;).</extracomment>
        <translation>높음</translation>
    </message>
    <message>
        <source>the mean of all dice</source>
        <extracomment>What the mode Low gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>모든 주사위의 평균</translation>
    </message>
    <message>
        <source>your own die</source>
        <extracomment>What the mode Regular gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>자기 주사위의 눈</translation>
    </message>
    <message>
        <source>points for every other player who rolled the same number</source>
        <extracomment>What the mode Medium gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>같은 눈을 굴린 다른 플레이어마다 점수</translation>
    </message>
    <message>
        <source>a payout for the highest die</source>
        <extracomment>What the mode High gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>가장 높은 주사위에 주는 보상</translation>
    </message>
    <message>
        <source>Player %1 (%2)</source>
        <extracomment>A player named by number and colour, e.g. &quot;Player 1 (yellow)&quot;.</extracomment>
        <translation>플레이어 %1(%2)</translation>
    </message>
    <message>
        <source>Mode of %1: %2</source>
        <extracomment>%1 is a player, e.g. &quot;Player 1 (yellow)&quot;; %2 what the mode gains.</extracomment>
        <translation>%1의 모드: %2</translation>
    </message>
    <message>
        <source>Player %1 score</source>
        <extracomment>The score box of player number %1.</extracomment>
        <translation>플레이어 %1 점수</translation>
    </message>
    <message>
        <source>Points of %1</source>
        <extracomment>%1 is a player, e.g. &quot;Player 1 (yellow)&quot;.</extracomment>
        <translation>%1의 점수</translation>
    </message>
    <message>
        <source>Player %1 die</source>
        <extracomment>The picture of the die that player number %1 rolled.</extracomment>
        <translation>플레이어 %1 주사위</translation>
    </message>
    <message>
        <source>Player %1 marker</source>
        <extracomment>The marker that runs in the lane of player number %1.</extracomment>
        <translation>플레이어 %1 말</translation>
    </message>
    <message>
        <source>Starts the race</source>
        <extracomment>What the continue button does while it shows &quot;Start&quot;.</extracomment>
        <translation>경주를 시작합니다</translation>
    </message>
    <message>
        <source>Resumes the race</source>
        <extracomment>What the continue button does while it shows &quot;Continue&quot;.</extracomment>
        <translation>경주를 이어서 진행합니다</translation>
    </message>
    <message>
        <source>Puts every racer back at the start</source>
        <extracomment>What the continue button does while it shows &quot;Restart&quot;.</extracomment>
        <translation>모두 출발선으로 돌려보냅니다</translation>
    </message>
    <message>
        <source>Modes and scores</source>
        <extracomment>The panel holding every player&apos;s mode buttons, die and score.</extracomment>
        <translation>모드와 점수</translation>
    </message>
    <message>
        <source>Columns of the mode buttons: Low, Regular, Medium, High</source>
        <extracomment>Describes the column heads &quot;Lw Rg Md Hi&quot;; use the same mode names as the mode buttons.</extracomment>
        <translation>모드 버튼의 열: 낮음, 보통, 중간, 높음</translation>
    </message>
    <message>
        <source>Pause: press any key</source>
        <extracomment>The invisible box that holds the focus during a race.</extracomment>
        <translation>일시 정지: 아무 키나 누르세요</translation>
    </message>
    <message>
        <source>Holds the focus while the race runs, so that any key pauses it</source>
        <translation>경주 중에 포커스를 잡아 두어 아무 키나 누르면 일시 정지되게 합니다</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>Player colour, as in &quot;Player 1 (yellow)&quot;.</extracomment>
        <translation>노랑</translation>
    </message>
    <message>
        <source>navy</source>
        <extracomment>Player colour, as in &quot;Player 2 (navy)&quot;: a dark blue.</extracomment>
        <translation>남색</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>Player colour, as in &quot;Player 3 (red)&quot;.</extracomment>
        <translation>빨강</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>Player colour, as in &quot;Player 4 (green)&quot;.</extracomment>
        <translation>초록</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>Player colour, as in &quot;Player 5 (orange)&quot;.</extracomment>
        <translation>주황</translation>
    </message>
    <message>
        <source>purple</source>
        <extracomment>Player colour, as in &quot;Player 6 (purple)&quot;.</extracomment>
        <translation>보라</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu title. The five titles share a bar 687 pixels wide; access keys unique among them.</extracomment>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Restart game</source>
        <extracomment>File menu: puts every racer back at the start.</extracomment>
        <translation>게임 다시 시작(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>File menu: closes the game.</extracomment>
        <translation>끝내기(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <extracomment>Menu title of the pace commands.</extracomment>
        <translation>옵션(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Step by step</source>
        <extracomment>Option menu: a pace that plays one turn per click of the continue button.</extracomment>
        <translation>한 턴씩(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;low</source>
        <extracomment>Option menu: the slow pace, a turn every second.</extracomment>
        <translation>느리게(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <extracomment>Option menu: the fast pace, a turn every 150 ms.</extracomment>
        <translation>빠르게(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <extracomment>Menu title of the player counts.</extracomment>
        <translation>인원(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;2</source>
        <extracomment>Players menu: a race of two players.</extracomment>
        <translation>&amp;2</translation>
    </message>
    <message>
        <source>&amp;3</source>
        <extracomment>Players menu: a race of three players.</extracomment>
        <translation>&amp;3</translation>
    </message>
    <message>
        <source>&amp;4</source>
        <extracomment>Players menu: a race of four players.</extracomment>
        <translation>&amp;4</translation>
    </message>
    <message>
        <source>&amp;5</source>
        <extracomment>Players menu: a race of five players.</extracomment>
        <translation>&amp;5</translation>
    </message>
    <message>
        <source>&amp;6</source>
        <extracomment>Players menu: a race of six players.</extracomment>
        <translation>&amp;6</translation>
    </message>
    <message>
        <source>Finish &amp;Line</source>
        <extracomment>Menu title of the finish lines, the score that ends a race.</extracomment>
        <translation>결승선(&amp;L)</translation>
    </message>
    <message>
        <source>200</source>
        <extracomment>Finish Line menu: the race ends at 200 points. Give it an access key (&quot;&amp;200&quot;), which the English menu lacks.</extracomment>
        <translation>&amp;200</translation>
    </message>
    <message>
        <source>500</source>
        <extracomment>Finish Line menu: the race ends at 500 points. Give it an access key (&quot;&amp;500&quot;).</extracomment>
        <translation>&amp;500</translation>
    </message>
    <message>
        <source>1000</source>
        <extracomment>Finish Line menu: the race ends at 1000 points. Give it an access key (&quot;&amp;1000&quot;).</extracomment>
        <translation>&amp;1000</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu title.</extracomment>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Plovari</source>
        <extracomment>Help menu: opens the About window.</extracomment>
        <translation>Plovari 정보(&amp;A)</translation>
    </message>
    <message>
        <source>What is &amp;this?</source>
        <extracomment>Help menu: opens the game&apos;s help at its contents.</extracomment>
        <translation>이게 뭐예요?(&amp;T)</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Plovari icon</source>
        <extracomment>The program&apos;s icon, as a screen reader names it.</extracomment>
        <translation>Plovari 아이콘</translation>
    </message>
    <message>
        <source>showing 1</source>
        <extracomment>A die picture, after &quot;Player 1 die&quot;: the face with one pip.</extracomment>
        <translation>1이 나옴</translation>
    </message>
    <message>
        <source>showing 2</source>
        <translation>2가 나옴</translation>
    </message>
    <message>
        <source>showing 3</source>
        <translation>3이 나옴</translation>
    </message>
    <message>
        <source>showing 4</source>
        <translation>4가 나옴</translation>
    </message>
    <message>
        <source>showing 5</source>
        <translation>5가 나옴</translation>
    </message>
    <message>
        <source>showing 6</source>
        <translation>6이 나옴</translation>
    </message>
    <message>
        <source>smiley: Regular</source>
        <extracomment>A marker&apos;s picture: what it shows, then the mode it stands for.</extracomment>
        <translation>웃는 얼굴: 보통</translation>
    </message>
    <message>
        <source>handshake: Low</source>
        <translation>악수: 낮음</translation>
    </message>
    <message>
        <source>traffic light showing green: Medium, scored</source>
        <translation>초록불 신호등: 중간, 점수 얻음</translation>
    </message>
    <message>
        <source>traffic light showing red: Medium, no match</source>
        <translation>빨간불 신호등: 중간, 같은 눈 없음</translation>
    </message>
    <message>
        <source>sign with an arrow up and 50: High, scored</source>
        <translation>위쪽 화살표와 50이 있는 표지판: 높음, 점수 얻음</translation>
    </message>
    <message>
        <source>stop sign: High, not the highest die</source>
        <translation>정지 표지판: 높음, 가장 높은 주사위 아님</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>plovari-help</name>
    <message>
        <source>usage: plovari-help FILE COMMAND
Shows the help file FILE, a bare file name, for help command COMMAND (3: its contents).
</source>
        <extracomment>The help viewer&apos;s usage line. Keep &quot;plovari-help&quot; as it is; FILE and COMMAND may be translated.</extracomment>
        <translation>사용법: plovari-help FILE COMMAND
도움말 파일 FILE(폴더 없이 파일 이름만)을 도움말 명령 COMMAND로 보여 줍니다(3: 목차).
</translation>
    </message>
</context>
<context>
    <name>plovari::AboutPlovari</name>
    <message>
        <source>Plovari version %1
by the Plovari developers</source>
        <extracomment>The About window&apos;s first label, 193 pixels wide; %1 is the version number, e.g. 1.0.0.</extracomment>
        <translation>Plovari 버전 %1
Plovari 개발자 제작</translation>
    </message>
    <message>
        <source>About Plovari</source>
        <extracomment>The About window&apos;s title.</extracomment>
        <translation>Plovari 정보</translation>
    </message>
    <message>
        <source>Any comments or bug reports can be sent to %1</source>
        <extracomment>A label 185 pixels wide; %1 is the authors&apos; e-mail address.</extracomment>
        <translation>의견이나 버그 제보: %1</translation>
    </message>
    <message>
        <source>Check out %1 for other software, short stories and merchandise.</source>
        <extracomment>A label 193 pixels wide; %1 is the makers&apos; web address.</extracomment>
        <translation>다른 소프트웨어와 단편 소설, 굿즈는 %1에서 만나 보세요.</translation>
    </message>
</context>
<context>
    <name>plovari::ColumnHeads</name>
    <message>
        <source>Lw  Rg  Md  Hi</source>
        <extracomment>The heads of the four mode columns Low, Regular, Medium and High, separated by two blanks. Each stands over a mode button 16 pixels wide: keep each to about 2 Latin letters or 1 CJK character, and keep the blanks between them.</extracomment>
        <translation>낮  보  중  높</translation>
    </message>
</context>
<context>
    <name>plovari::CommonDialog</name>
    <message>
        <source>Help not available</source>
        <extracomment>Title of the warning shown when the help viewer program cannot be started.</extracomment>
        <translation>도움말을 사용할 수 없음</translation>
    </message>
    <message>
        <source>The help viewer could not be started, so the help file “%1” cannot be shown. The game goes on.</source>
        <extracomment>%1 is the help file&apos;s name, Plovari.hlp.</extracomment>
        <translation>도움말 뷰어를 시작할 수 없어서 도움말 파일 “%1”을(를) 표시할 수 없습니다. 게임은 계속됩니다.</translation>
    </message>
    <message>
        <source>The help viewer plovari-help was looked for at %1 (%2). It comes with the game: installing Plovari again puts it back.</source>
        <extracomment>%1 is where the viewer program was looked for; %2 is the system&apos;s reason, e.g. &quot;No such file or directory&quot;. plovari-help is the program&apos;s name: keep it as it is.</extracomment>
        <translation>도움말 뷰어 plovari-help를 %1에서 찾아보았지만 없었습니다(%2). 이 프로그램은 게임에 포함되어 있으므로 Plovari를 다시 설치하면 돌아옵니다.</translation>
    </message>
    <message>
        <source>The help viewer needs a runtime folder that only you can open, and there is none: XDG_RUNTIME_DIR names no such folder, and none could be made in %1.</source>
        <extracomment>%1 is the temporary folder, e.g. /tmp. XDG_RUNTIME_DIR is the name of a setting: keep it as it is.</extracomment>
        <translation>도움말 뷰어에는 본인만 열 수 있는 런타임 폴더가 필요한데, 그런 폴더가 없습니다. XDG_RUNTIME_DIR이 그런 폴더를 가리키지 않고, %1에도 만들 수 없었습니다.</translation>
    </message>
</context>
<context>
    <name>plovari::HelpViewer</name>
    <message>
        <source>Help</source>
        <extracomment>The help viewer&apos;s title until a help file names its own.</extracomment>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>도움말 본문</translation>
    </message>
    <message>
        <source>The help topic shown; its links lead to other topics</source>
        <translation>표시된 도움말 항목입니다. 링크를 누르면 다른 항목으로 갑니다</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>탐색</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Toolbar button of the help viewer; its access key is unique among the three buttons.</extracomment>
        <translation>목차(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Toolbar button of the help viewer; its access key is unique among the three buttons.</extracomment>
        <translation>뒤로(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <extracomment>Toolbar button of the help viewer; its access key is unique among the three buttons.</extracomment>
        <translation>앞으로(&amp;F)</translation>
    </message>
    <message>
        <source>Shows the help file&apos;s contents</source>
        <translation>도움말 파일의 목차를 보여 줍니다</translation>
    </message>
    <message>
        <source>Goes back to the topic shown before</source>
        <translation>앞서 본 항목으로 돌아갑니다</translation>
    </message>
    <message>
        <source>Goes forward to the topic left with Back</source>
        <translation>'뒤로'로 떠났던 항목으로 다시 갑니다</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Help command not supported</source>
        <translation>지원하지 않는 도움말 명령</translation>
    </message>
    <message>
        <source>This help viewer cannot carry out help command %1 for “%2”. It opens help files at their contents (help command %3).</source>
        <translation>이 도움말 뷰어는 “%2”에 대한 도움말 명령 %1을(를) 실행할 수 없습니다. 도움말 파일은 목차부터 엽니다(도움말 명령 %3).</translation>
    </message>
    <message>
        <source>Help file not opened</source>
        <translation>도움말 파일을 열지 않음</translation>
    </message>
    <message>
        <source>“%1” is not a bare file name. The help viewer opens only help files named without a folder, from the places it knows.</source>
        <translation>“%1”은(는) 파일 이름만이 아닙니다. 도움말 뷰어는 폴더 없이 이름만 적은 도움말 파일을 자기가 아는 위치에서만 엽니다.</translation>
    </message>
    <message>
        <source>The help file “%1” was not found. The help viewer looked in:</source>
        <translation>도움말 파일 “%1”을(를) 찾지 못했습니다. 도움말 뷰어가 찾아본 곳:</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>도움말 파일을 찾을 수 없음</translation>
    </message>
    <message>
        <source>Help file cannot be read</source>
        <translation>도움말 파일을 읽을 수 없음</translation>
    </message>
    <message>
        <source>The help file “%1” was found at %2 but could not be read: %3.</source>
        <translation>도움말 파일 “%1”을(를) %2에서 찾았지만 읽을 수 없었습니다: %3.</translation>
    </message>
</context>
<context>
    <name>plovari::PlovariMainForm</name>
    <message>
        <source>Plovari, the board game</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>Plovari - 보드게임</translation>
    </message>
    <message>
        <source>start</source>
        <extracomment>The continue button&apos;s caption before the game has set up the race; no player sees it for long. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>시작</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The continue button: a click starts the race. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>시작</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>The continue button: a click resumes the paused race. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>계속</translation>
    </message>
    <message>
        <source>Restart</source>
        <extracomment>The continue button once the race is over: a click puts every racer back at the start. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>다시 시작</translation>
    </message>
</context>
<context>
    <name>plovari::ViewerChannel</name>
    <message>
        <source>the running help viewer is slow to answer; waiting for it</source>
        <translation>실행 중인 도움말 뷰어의 응답이 느려서 기다리는 중입니다</translation>
    </message>
    <message>
        <source>refused a help request that is not well formed</source>
        <translation>형식이 올바르지 않은 도움말 요청을 거부했습니다</translation>
    </message>
    <message>
        <source>refused a help request of channel version %1; this viewer takes version %2</source>
        <extracomment>%1 and %2 are numbers.</extracomment>
        <translation>채널 버전 %1의 도움말 요청을 거부했습니다. 이 뷰어는 버전 %2를 받습니다</translation>
    </message>
    <message>
        <source>refused a help request of %1 bytes; this viewer takes at most %2</source>
        <extracomment>%1 and %2 are numbers.</extracomment>
        <translation>%1바이트짜리 도움말 요청을 거부했습니다. 이 뷰어는 최대 %2바이트를 받습니다</translation>
    </message>
</context>
</TS>
