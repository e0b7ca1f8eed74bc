<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>Accessibility</name>
    <message>
        <source>Low</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Lw&quot;).</extracomment>
        <translation>Scăzut</translation>
    </message>
    <message>
        <source>Regular</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Rg&quot;).</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Md&quot;).</extracomment>
        <translation>Mediu</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Hi&quot;).</extracomment>
        <translation>Ridicat</translation>
    </message>
    <message>
        <source>the mean of all dice</source>
        <extracomment>What the mode Low gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>media tuturor zarurilor</translation>
    </message>
    <message>
        <source>your own die</source>
        <extracomment>What the mode Regular gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>zarul tău</translation>
    </message>
    <message>
        <source>points for every other player who rolled the same number</source>
        <extracomment>What the mode Medium gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>puncte pentru fiecare alt jucător care a dat același număr</translation>
    </message>
    <message>
        <source>a payout for the highest die</source>
        <extracomment>What the mode High gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>o primă pentru cel mai mare zar</translation>
    </message>
    <message>
        <source>Player %1 (%2)</source>
        <extracomment>A player named by number and colour, e.g. &quot;Player 1 (yellow)&quot;.</extracomment>
        <translation>Jucătorul %1 (%2)</translation>
    </message>
    <message>
        <source>Mode of %1: %2</source>
        <extracomment>%1 is a player, e.g. &quot;Player 1 (yellow)&quot;; %2 what the mode gains.</extracomment>
        <translation>Modul jucătorului %1: %2</translation>
    </message>
    <message>
        <source>Player %1 score</source>
        <extracomment>The score box of player number %1.</extracomment>
        <translation>Scorul jucătorului %1</translation>
    </message>
    <message>
        <source>Points of %1</source>
        <extracomment>%1 is a player, e.g. &quot;Player 1 (yellow)&quot;.</extracomment>
        <translation>Punctele jucătorului %1</translation>
    </message>
    <message>
        <source>Player %1 die</source>
        <extracomment>The picture of the die that player number %1 rolled.</extracomment>
        <translation>Zarul jucătorului %1</translation>
    </message>
    <message>
        <source>Player %1 marker</source>
        <extracomment>The marker that runs in the lane of player number %1.</extracomment>
        <translation>Pionul jucătorului %1</translation>
    </message>
    <message>
        <source>Starts the race</source>
        <extracomment>What the continue button does while it shows &quot;Start&quot;.</extracomment>
        <translation>Pornește cursa</translation>
    </message>
    <message>
        <source>Resumes the race</source>
        <extracomment>What the continue button does while it shows &quot;Continue&quot;.</extracomment>
        <translation>Reia cursa</translation>
    </message>
    <message>
        <source>Puts every racer back at the start</source>
        <extracomment>What the continue button does while it shows &quot;Restart&quot;.</extracomment>
        <translation>Îi aduce pe toți concurenții înapoi la start</translation>
    </message>
    <message>
        <source>Modes and scores</source>
        <extracomment>The panel holding every player&apos;s mode buttons, die and score.</extracomment>
        <translation>Moduri și scoruri</translation>
    </message>
    <message>
        <source>Columns of the mode buttons: Low, Regular, Medium, High</source>
        <extracomment>Describes the column heads &quot;Lw Rg Md Hi&quot;; use the same mode names as the mode buttons.</extracomment>
        <translation>Coloanele butoanelor de mod: Scăzut, Normal, Mediu, Ridicat</translation>
    </message>
    <message>
        <source>Pause: press any key</source>
        <extracomment>The invisible box that holds the focus during a race.</extracomment>
        <translation>Pauză: apasă orice tastă</translation>
    </message>
    <message>
        <source>Holds the focus while the race runs, so that any key pauses it</source>
        <translation>Păstrează focalizarea cât timp rulează cursa, ca orice tastă să o oprească</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>Player colour, as in &quot;Player 1 (yellow)&quot;.</extracomment>
        <translation>galben</translation>
    </message>
    <message>
        <source>navy</source>
        <extracomment>Player colour, as in &quot;Player 2 (navy)&quot;: a dark blue.</extracomment>
        <translation>bleumarin</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>Player colour, as in &quot;Player 3 (red)&quot;.</extracomment>
        <translation>roșu</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>Player colour, as in &quot;Player 4 (green)&quot;.</extracomment>
        <translation>verde</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>Player colour, as in &quot;Player 5 (orange)&quot;.</extracomment>
        <translation>portocaliu</translation>
    </message>
    <message>
        <source>purple</source>
        <extracomment>Player colour, as in &quot;Player 6 (purple)&quot;.</extracomment>
        <translation>mov</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu title. The five titles share a bar 687 pixels wide; access keys unique among them.</extracomment>
        <translation>&amp;Fișier</translation>
    </message>
    <message>
        <source>&amp;Restart game</source>
        <extracomment>File menu: puts every racer back at the start.</extracomment>
        <translation>&amp;Reîncepe jocul</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>File menu: closes the game.</extracomment>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <extracomment>Menu title of the pace commands.</extracomment>
        <translation>&amp;Opțiuni</translation>
    </message>
    <message>
        <source>&amp;Step by step</source>
        <extracomment>Option menu: a pace that plays one turn per click of the continue button.</extracomment>
        <translation>&amp;Pas cu pas</translation>
    </message>
    <message>
        <source>S&amp;low</source>
        <extracomment>Option menu: the slow pace, a turn every second.</extracomment>
        <translation>&amp;Lent</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <extracomment>Option menu: the fast pace, a turn every 150 ms.</extracomment>
        <translation>&amp;Rapid</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <extracomment>Menu title of the player counts.</extracomment>
        <translation>&amp;Jucători</translation>
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
        <translation>&amp;Linia de sosire</translation>
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
        <translation>&amp;Ajutor</translation>
    </message>
    <message>
        <source>&amp;About Plovari</source>
        <extracomment>Help menu: opens the About window.</extracomment>
        <translation>&amp;Despre Plovari</translation>
    </message>
    <message>
        <source>What is &amp;this?</source>
        <extracomment>Help menu: opens the game&apos;s help at its contents.</extracomment>
        <translation>&amp;Ce este asta?</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Plovari icon</source>
        <extracomment>The program&apos;s icon, as a screen reader names it.</extracomment>
        <translation>Pictograma Plovari</translation>
    </message>
    <message>
        <source>showing 1</source>
        <extracomment>A die picture, after &quot;Player 1 die&quot;: the face with one pip.</extracomment>
        <translation>arată 1</translation>
    </message>
    <message>
        <source>showing 2</source>
        <translation>arată 2</translation>
    </message>
    <message>
        <source>showing 3</source>
        <translation>arată 3</translation>
    </message>
    <message>
        <source>showing 4</source>
        <translation>arată 4</translation>
    </message>
    <message>
        <source>showing 5</source>
        <translation>arată 5</translation>
    </message>
    <message>
        <source>showing 6</source>
        <translation>arată 6</translation>
    </message>
    <message>
        <source>smiley: Regular</source>
        <extracomment>A marker&apos;s picture: what it shows, then the mode it stands for.</extracomment>
        <translation>față zâmbitoare: Normal</translation>
    </message>
    <message>
        <source>handshake: Low</source>
        <translation>strângere de mână: Scăzut</translation>
    </message>
    <message>
        <source>traffic light showing green: Medium, scored</source>
        <translation>semafor pe verde: Mediu, a punctat</translation>
    </message>
    <message>
        <source>traffic light showing red: Medium, no match</source>
        <translation>semafor pe roșu: Mediu, nimeni cu același număr</translation>
    </message>
    <message>
        <source>sign with an arrow up and 50: High, scored</source>
        <translation>indicator cu o săgeată în sus și 50: Ridicat, a punctat</translation>
    </message>
    <message>
        <source>stop sign: High, not the highest die</source>
        <translation>semn de stop: Ridicat, nu are cel mai mare zar</translation>
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
        <translation>utilizare: plovari-help FIȘIER COMANDĂ
Afișează fișierul de ajutor FIȘIER, un simplu nume de fișier, pentru comanda de ajutor COMANDĂ (3: cuprinsul lui).
</translation>
    </message>
</context>
<context>
    <name>plovari::AboutPlovari</name>
    <message>
        <source>Plovari version %1
by the Plovari developers</source>
        <extracomment>The About window&apos;s first label, 193 pixels wide; %1 is the version number, e.g. 1.0.0.</extracomment>
        <translation>Plovari versiunea %1
de dezvoltatorii Plovari</translation>
    </message>
    <message>
        <source>About Plovari</source>
        <extracomment>The About window&apos;s title.</extracomment>
        <translation>Despre Plovari</translation>
    </message>
    <message>
        <source>Any comments or bug reports can be sent to %1</source>
        <extracomment>A label 185 pixels wide; %1 is the authors&apos; e-mail address.</extracomment>
        <translation>Comentarii și raportări de erori: %1</translation>
    </message>
    <message>
        <source>Check out %1 for other software, short stories and merchandise.</source>
        <extracomment>A label 193 pixels wide; %1 is the makers&apos; web address.</extracomment>
        <translation>Pe %1 găsești alte programe, povestiri și produse Plovari.</translation>
    </message>
</context>
<context>
    <name>plovari::ColumnHeads</name>
    <message>
        <source>Lw  Rg  Md  Hi</source>
        <extracomment>The heads of the four mode columns Low, Regular, Medium and High, separated by two blanks. Each stands over a mode button 16 pixels wide: keep each to about 2 Latin letters or 1 CJK character, and keep the blanks between them.</extracomment>
        <translation>Sc  No  Me  Ri</translation>
    </message>
</context>
<context>
    <name>plovari::CommonDialog</name>
    <message>
        <source>Help not available</source>
        <extracomment>Title of the warning shown when the help viewer program cannot be started.</extracomment>
        <translation>Ajutor indisponibil</translation>
    </message>
    <message>
        <source>The help viewer could not be started, so the help file “%1” cannot be shown. The game goes on.</source>
        <extracomment>%1 is the help file&apos;s name, Plovari.hlp.</extracomment>
        <translation>Vizualizatorul de ajutor nu a putut porni, așa că fișierul de ajutor „%1” nu poate fi afișat. Jocul continuă.</translation>
    </message>
    <message>
        <source>The help viewer plovari-help was looked for at %1 (%2). It comes with the game: installing Plovari again puts it back.</source>
        <extracomment>%1 is where the viewer program was looked for; %2 is the system&apos;s reason, e.g. &quot;No such file or directory&quot;. plovari-help is the program&apos;s name: keep it as it is.</extracomment>
        <translation>Vizualizatorul de ajutor plovari-help a fost căutat în %1 (%2). Vine împreună cu jocul: dacă reinstalezi Plovari, el revine la loc.</translation>
    </message>
    <message>
        <source>The help viewer needs a runtime folder that only you can open, and there is none: XDG_RUNTIME_DIR names no such folder, and none could be made in %1.</source>
        <extracomment>%1 is the temporary folder, e.g. /tmp. XDG_RUNTIME_DIR is the name of a setting: keep it as it is.</extracomment>
        <translation>Vizualizatorul de ajutor are nevoie de un dosar de rulare pe care doar tu să-l poți deschide, iar unul ca acesta nu există: XDG_RUNTIME_DIR nu indică un astfel de dosar și nu s-a putut crea niciunul în %1.</translation>
    </message>
</context>
<context>
    <name>plovari::HelpViewer</name>
    <message>
        <source>Help</source>
        <extracomment>The help viewer&apos;s title until a help file names its own.</extracomment>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Textul ajutorului</translation>
    </message>
    <message>
        <source>The help topic shown; its links lead to other topics</source>
        <translation>Subiectul de ajutor afișat; legăturile lui duc la alte subiecte</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigare</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Toolbar button of the help viewer; its access key is unique among the three buttons.</extracomment>
        <translation>&amp;Cuprins</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Toolbar button of the help viewer; its access key is unique among the three buttons.</extracomment>
        <translation>Îna&amp;poi</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <extracomment>Toolbar button of the help viewer; its access key is unique among the three buttons.</extracomment>
        <translation>Înain&amp;te</translation>
    </message>
    <message>
        <source>Shows the help file&apos;s contents</source>
        <translation>Afișează cuprinsul fișierului de ajutor</translation>
    </message>
    <message>
        <source>Goes back to the topic shown before</source>
        <translation>Revine la subiectul afișat înainte</translation>
    </message>
    <message>
        <source>Goes forward to the topic left with Back</source>
        <translation>Merge înainte la subiectul părăsit cu Înapoi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Help command not supported</source>
        <translation>Comandă de ajutor nesuportată</translation>
    </message>
    <message>
        <source>This help viewer cannot carry out help command %1 for “%2”. It opens help files at their contents (help command %3).</source>
        <translation>Acest vizualizator de ajutor nu poate executa comanda de ajutor %1 pentru „%2”. El deschide fișierele de ajutor la cuprins (comanda de ajutor %3).</translation>
    </message>
    <message>
        <source>Help file not opened</source>
        <translation>Fișierul de ajutor nu a fost deschis</translation>
    </message>
    <message>
        <source>“%1” is not a bare file name. The help viewer opens only help files named without a folder, from the places it knows.</source>
        <translation>„%1” nu este un simplu nume de fișier. Vizualizatorul de ajutor deschide doar fișiere de ajutor numite fără dosar, din locurile pe care le cunoaște.</translation>
    </message>
    <message>
        <source>The help file “%1” was not found. The help viewer looked in:</source>
        <translation>Fișierul de ajutor „%1” nu a fost găsit. Vizualizatorul de ajutor a căutat în:</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Fișierul de ajutor nu a fost găsit</translation>
    </message>
    <message>
        <source>Help file cannot be read</source>
        <translation>Fișierul de ajutor nu poate fi citit</translation>
    </message>
    <message>
        <source>The help file “%1” was found at %2 but could not be read: %3.</source>
        <translation>Fișierul de ajutor „%1” a fost găsit în %2, dar nu a putut fi citit: %3.</translation>
    </message>
</context>
<context>
    <name>plovari::PlovariMainForm</name>
    <message>
        <source>Plovari, the board game</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>Plovari, jocul de masă</translation>
    </message>
    <message>
        <source>start</source>
        <extracomment>The continue button&apos;s caption before the game has set up the race; no player sees it for long. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>începe</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The continue button: a click starts the race. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>Începe</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>The continue button: a click resumes the paused race. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>Continuă</translation>
    </message>
    <message>
        <source>Restart</source>
        <extracomment>The continue button once the race is over: a click puts every racer back at the start. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>Reîncepe</translation>
    </message>
</context>
<context>
    <name>plovari::ViewerChannel</name>
    <message>
        <source>the running help viewer is slow to answer; waiting for it</source>
        <translation>vizualizatorul de ajutor pornit răspunde greu; se așteaptă după el</translation>
    </message>
    <message>
        <source>refused a help request that is not well formed</source>
        <translation>a fost refuzată o cerere de ajutor care nu are forma corectă</translation>
    </message>
    <message>
        <source>refused a help request of channel version %1; this viewer takes version %2</source>
        <extracomment>%1 and %2 are numbers.</extracomment>
        <translation>a fost refuzată o cerere de ajutor cu versiunea de canal %1; acest vizualizator acceptă versiunea %2</translation>
    </message>
    <message>
        <source>refused a help request of %1 bytes; this viewer takes at most %2</source>
        <extracomment>%1 and %2 are numbers.</extracomment>
        <translation>a fost refuzată o cerere de ajutor de %1 octeți; acest vizualizator acceptă cel mult %2</translation>
    </message>
</context>
</TS>
