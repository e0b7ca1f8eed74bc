<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>Accessibility</name>
    <message>
        <source>Low</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Lw&quot;).</extracomment>
        <translation>کم</translation>
    </message>
    <message>
        <source>Regular</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Rg&quot;).</extracomment>
        <translation>عادی</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Md&quot;).</extracomment>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Hi&quot;).</extracomment>
        <translation>زیاد</translation>
    </message>
    <message>
        <source>the mean of all dice</source>
        <extracomment>What the mode Low gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>میانگین همهٔ تاس‌ها</translation>
    </message>
    <message>
        <source>your own die</source>
        <extracomment>What the mode Regular gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>تاس خودتان</translation>
    </message>
    <message>
        <source>points for every other player who rolled the same number</source>
        <extracomment>What the mode Medium gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>امتیاز به ازای هر بازیکن دیگری که همان عدد را آورده است</translation>
    </message>
    <message>
        <source>a payout for the highest die</source>
        <extracomment>What the mode High gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>جایزه برای بالاترین تاس</translation>
    </message>
    <message>
        <source>Player %1 (%2)</source>
        <extracomment>A player named by number and colour, e.g. &quot;Player 1 (yellow)&quot;.</extracomment>
        <translation>بازیکن %1 (%2)</translation>
    </message>
    <message>
        <source>Mode of %1: %2</source>
        <extracomment>%1 is a player, e.g. &quot;Player 1 (yellow)&quot;; %2 what the mode gains.</extracomment>
        <translation>حالت %1: %2</translation>
    </message>
    <message>
        <source>Player %1 score</source>
        <extracomment>The score box of player number %1.</extracomment>
        <translation>امتیاز بازیکن %1</translation>
    </message>
    <message>
        <source>Points of %1</source>
        <extracomment>%1 is a player, e.g. &quot;Player 1 (yellow)&quot;.</extracomment>
        <translation>امتیازهای %1</translation>
    </message>
    <message>
        <source>Player %1 die</source>
        <extracomment>The picture of the die that player number %1 rolled.</extracomment>
        <translation>تاس بازیکن %1</translation>
    </message>
    <message>
        <source>Player %1 marker</source>
        <extracomment>The marker that runs in the lane of player number %1.</extracomment>
        <translation>مهرهٔ بازیکن %1</translation>
    </message>
    <message>
        <source>Starts the race</source>
        <extracomment>What the continue button does while it shows &quot;Start&quot;.</extracomment>
        <translation>مسابقه را شروع می‌کند</translation>
    </message>
    <message>
        <source>Resumes the race</source>
        <extracomment>What the continue button does while it shows &quot;Continue&quot;.</extracomment>
        <translation>مسابقه را ادامه می‌دهد</translation>
    </message>
    <message>
        <source>Puts every racer back at the start</source>
        <extracomment>What the continue button does while it shows &quot;Restart&quot;.</extracomment>
        <translation>همهٔ بازیکنان را به خط شروع برمی‌گرداند</translation>
    </message>
    <message>
        <source>Modes and scores</source>
        <extracomment>The panel holding every player&apos;s mode buttons, die and score.</extracomment>
        <translation>حالت‌ها و امتیازها</translation>
    </message>
    <message>
        <source>Columns of the mode buttons: Low, Regular, Medium, High</source>
        <extracomment>Describes the column heads &quot;Lw Rg Md Hi&quot;; use the same mode names as the mode buttons.</extracomment>
        <translation>ستون‌های دکمه‌های حالت: کم، عادی، متوسط، زیاد</translation>
    </message>
    <message>
        <source>Pause: press any key</source>
        <extracomment>The invisible box that holds the focus during a race.</extracomment>
        <translation>مکث: یک کلید را فشار دهید</translation>
    </message>
    <message>
        <source>Holds the focus while the race runs, so that any key pauses it</source>
        <translation>هنگام مسابقه فوکوس را نگه می‌دارد تا با فشردن هر کلیدی مسابقه مکث کند</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>Player colour, as in &quot;Player 1 (yellow)&quot;.</extracomment>
        <translation>زرد</translation>
    </message>
    <message>
        <source>navy</source>
        <extracomment>Player colour, as in &quot;Player 2 (navy)&quot;: a dark blue.</extracomment>
        <translation>سرمه‌ای</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>Player colour, as in &quot;Player 3 (red)&quot;.</extracomment>
        <translation>قرمز</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>Player colour, as in &quot;Player 4 (green)&quot;.</extracomment>
        <translation>سبز</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>Player colour, as in &quot;Player 5 (orange)&quot;.</extracomment>
        <translation>نارنجی</translation>
    </message>
    <message>
        <source>purple</source>
        <extracomment>Player colour, as in &quot;Player 6 (purple)&quot;.</extracomment>
        <translation>بنفش</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu title. The five titles share a bar 687 pixels wide; access keys unique among them.</extracomment>
        <translation>فایل (&amp;ف)</translation>
    </message>
    <message>
        <source>&amp;Restart game</source>
        <extracomment>File menu: puts every racer back at the start.</extracomment>
        <translation>شروع مجدد بازی (&amp;ش)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>File menu: closes the game.</extracomment>
        <translation>خروج (&amp;خ)</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <extracomment>Menu title of the pace commands.</extracomment>
        <translation>گزینه‌ها (&amp;گ)</translation>
    </message>
    <message>
        <source>&amp;Step by step</source>
        <extracomment>Option menu: a pace that plays one turn per click of the continue button.</extracomment>
        <translation>گام‌به‌گام (&amp;گ)</translation>
    </message>
    <message>
        <source>S&amp;low</source>
        <extracomment>Option menu: the slow pace, a turn every second.</extracomment>
        <translation>کند (&amp;ک)</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <extracomment>Option menu: the fast pace, a turn every 150 ms.</extracomment>
        <translation>تند (&amp;ت)</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <extracomment>Menu title of the player counts.</extracomment>
        <translation>بازیکنان (&amp;ب)</translation>
    </message>
    <message>
        <source>&amp;2</source>
        <extracomment>Players menu: a race of two players.</extracomment>
        <translation>&amp;۲</translation>
    </message>
    <message>
        <source>&amp;3</source>
        <extracomment>Players menu: a race of three players.</extracomment>
        <translation>&amp;۳</translation>
    </message>
    <message>
        <source>&amp;4</source>
        <extracomment>Players menu: a race of four players.</extracomment>
        <translation>&amp;۴</translation>
    </message>
    <message>
        <source>&amp;5</source>
        <extracomment>Players menu: a race of five players.</extracomment>
        <translation>&amp;۵</translation>
    </message>
    <message>
        <source>&amp;6</source>
        <extracomment>Players menu: a race of six players.</extracomment>
        <translation>&amp;۶</translation>
    </message>
    <message>
        <source>Finish &amp;Line</source>
        <extracomment>Menu title of the finish lines, the score that ends a race.</extracomment>
        <translation>خط پایان (&amp;خ)</translation>
    </message>
    <message>
        <source>200</source>
        <extracomment>Finish Line menu: the race ends at 200 points. Give it an access key (&quot;&amp;200&quot;), which the English menu lacks.</extracomment>
        <translation>&amp;۲۰۰</translation>
    </message>
    <message>
        <source>500</source>
        <extracomment>Finish Line menu: the race ends at 500 points. Give it an access key (&quot;&amp;500&quot;).</extracomment>
        <translation>&amp;۵۰۰</translation>
    </message>
    <message>
        <source>1000</source>
        <extracomment>Finish Line menu: the race ends at 1000 points. Give it an access key (&quot;&amp;1000&quot;).</extracomment>
        <translation>&amp;۱۰۰۰</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu title.</extracomment>
        <translation>راهنما (&amp;ر)</translation>
    </message>
    <message>
        <source>&amp;About Plovari</source>
        <extracomment>Help menu: opens the About window.</extracomment>
        <translation>دربارهٔ Plovari (&amp;د)</translation>
    </message>
    <message>
        <source>What is &amp;this?</source>
        <extracomment>Help menu: opens the game&apos;s help at its contents.</extracomment>
        <translation>این چیست؟ (&amp;چ)</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Plovari icon</source>
        <extracomment>The program&apos;s icon, as a screen reader names it.</extracomment>
        <translation>نماد Plovari</translation>
    </message>
    <message>
        <source>showing 1</source>
        <extracomment>A die picture, after &quot;Player 1 die&quot;: the face with one pip.</extracomment>
        <translation>عدد ۱ را نشان می‌دهد</translation>
    </message>
    <message>
        <source>showing 2</source>
        <translation>عدد ۲ را نشان می‌دهد</translation>
    </message>
    <message>
        <source>showing 3</source>
        <translation>عدد ۳ را نشان می‌دهد</translation>
    </message>
    <message>
        <source>showing 4</source>
        <translation>عدد ۴ را نشان می‌دهد</translation>
    </message>
    <message>
        <source>showing 5</source>
        <translation>عدد ۵ را نشان می‌دهد</translation>
    </message>
    <message>
        <source>showing 6</source>
        <translation>عدد ۶ را نشان می‌دهد</translation>
    </message>
    <message>
        <source>smiley: Regular</source>
        <extracomment>A marker&apos;s picture: what it shows, then the mode it stands for.</extracomment>
        <translation>صورتک خندان: عادی</translation>
    </message>
    <message>
        <source>handshake: Low</source>
        <translation>دست دادن: کم</translation>
    </message>
    <message>
        <source>traffic light showing green: Medium, scored</source>
        <translation>چراغ راهنمایی سبز: متوسط، امتیاز گرفت</translation>
    </message>
    <message>
        <source>traffic light showing red: Medium, no match</source>
        <translation>چراغ راهنمایی قرمز: متوسط، کسی همان عدد را نیاورد</translation>
    </message>
    <message>
        <source>sign with an arrow up and 50: High, scored</source>
        <translation>تابلو با پیکان رو به بالا و ۵۰: زیاد، امتیاز گرفت</translation>
    </message>
    <message>
        <source>stop sign: High, not the highest die</source>
        <translation>تابلوی ایست: زیاد، بالاترین تاس نبود</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>plovari-help</name>
    <message>
        <source>usage: plovari-help FILE COMMAND
Shows the help file FILE, a bare file name, for help command COMMAND (3: its contents).
</source>
        <extracomment>The help viewer&apos;s usage line. Keep &quot;plovari-help&quot; as it is; FILE and COMMAND may be translated.</extracomment>
        <translation>کاربرد: plovari-help FILE COMMAND
فایل راهنمای FILE را، که فقط نام فایل و بدون پوشه است، برای فرمان راهنمای COMMAND نشان می‌دهد (3: فهرست آن).
</translation>
    </message>
</context>
<context>
    <name>plovari::AboutPlovari</name>
    <message>
        <source>Plovari version %1
by the Plovari developers</source>
        <extracomment>The About window&apos;s first label, 193 pixels wide; %1 is the version number, e.g. 1.0.0.</extracomment>
        <translation>Plovari، نسخهٔ %1
ساختهٔ توسعه‌دهندگان Plovari</translation>
    </message>
    <message>
        <source>About Plovari</source>
        <extracomment>The About window&apos;s title.</extracomment>
        <translation>دربارهٔ Plovari</translation>
    </message>
    <message>
        <source>Any comments or bug reports can be sent to %1</source>
        <extracomment>A label 185 pixels wide; %1 is the authors&apos; e-mail address.</extracomment>
        <translation>نظرها و گزارش اشکال‌ها را به %1 بفرستید</translation>
    </message>
    <message>
        <source>Check out %1 for other software, short stories and merchandise.</source>
        <extracomment>A label 193 pixels wide; %1 is the makers&apos; web address.</extracomment>
        <translation>برای نرم‌افزارهای دیگر، داستان‌های کوتاه و کالاها به %1 سر بزنید.</translation>
    </message>
</context>
<context>
    <name>plovari::ColumnHeads</name>
    <message>
        <source>Lw  Rg  Md  Hi</source>
        <extracomment>The heads of the four mode columns Low, Regular, Medium and High, separated by two blanks. Each stands over a mode button 16 pixels wide: keep each to about 2 Latin letters or 1 CJK character, and keep the blanks between them.</extracomment>
        <translation>ک  ع  م  ز</translation>
    </message>
</context>
<context>
    <name>plovari::CommonDialog</name>
    <message>
        <source>Help not available</source>
        <extracomment>Title of the warning shown when the help viewer program cannot be started.</extracomment>
        <translation>راهنما در دسترس نیست</translation>
    </message>
    <message>
        <source>The help viewer could not be started, so the help file “%1” cannot be shown. The game goes on.</source>
        <extracomment>%1 is the help file&apos;s name, Plovari.hlp.</extracomment>
        <translation>نمایشگر راهنما اجرا نشد، برای همین فایل راهنمای «%1» نمایش داده نمی‌شود. بازی ادامه دارد.</translation>
    </message>
    <message>
        <source>The help viewer plovari-help was looked for at %1 (%2). It comes with the game: installing Plovari again puts it back.</source>
        <extracomment>%1 is where the viewer program was looked for; %2 is the system&apos;s reason, e.g. &quot;No such file or directory&quot;. plovari-help is the program&apos;s name: keep it as it is.</extracomment>
        <translation>نمایشگر راهنما plovari-help در %1 جست‌وجو شد (%2). این برنامه همراه بازی است: با نصب دوبارهٔ Plovari سر جایش برمی‌گردد.</translation>
    </message>
    <message>
        <source>The help viewer needs a runtime folder that only you can open, and there is none: XDG_RUNTIME_DIR names no such folder, and none could be made in %1.</source>
        <extracomment>%1 is the temporary folder, e.g. /tmp. XDG_RUNTIME_DIR is the name of a setting: keep it as it is.</extracomment>
        <translation>نمایشگر راهنما به یک پوشهٔ زمان اجرا نیاز دارد که فقط خودتان بتوانید بازش کنید، و چنین پوشه‌ای نیست: XDG_RUNTIME_DIR به چنین پوشه‌ای اشاره نمی‌کند و در %1 هم نمی‌شد پوشه‌ای ساخت.</translation>
    </message>
</context>
<context>
    <name>plovari::HelpViewer</name>
    <message>
        <source>Help</source>
        <extracomment>The help viewer&apos;s title until a help file names its own.</extracomment>
        <translation>راهنما</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>متن راهنما</translation>
    </message>
    <message>
        <source>The help topic shown; its links lead to other topics</source>
        <translation>موضوع راهنمای نمایش‌داده‌شده؛ پیوندهایش به موضوع‌های دیگر می‌روند</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>پیمایش</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Toolbar button of the help viewer; its access key is unique among the three buttons.</extracomment>
        <translation>فهرست (&amp;ف)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Toolbar button of the help viewer; its access key is unique among the three buttons.</extracomment>
        <translation>عقب (&amp;ع)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <extracomment>Toolbar button of the help viewer; its access key is unique among the three buttons.</extracomment>
        <translation>جلو (&amp;ج)</translation>
    </message>
    <message>
        <source>Shows the help file&apos;s contents</source>
        <translation>فهرست فایل راهنما را نشان می‌دهد</translation>
    </message>
    <message>
        <source>Goes back to the topic shown before</source>
        <translation>به موضوعی برمی‌گردد که پیش‌تر نمایش داده شد</translation>
    </message>
    <message>
        <source>Goes forward to the topic left with Back</source>
        <translation>به موضوعی می‌رود که با «عقب» از آن بیرون آمدید</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Help command not supported</source>
        <translation>فرمان راهنما پشتیبانی نمی‌شود</translation>
    </message>
    <message>
        <source>This help viewer cannot carry out help command %1 for “%2”. It opens help files at their contents (help command %3).</source>
        <translation>این نمایشگر راهنما نمی‌تواند فرمان راهنمای %1 را برای «%2» اجرا کند. این نمایشگر فایل‌های راهنما را در فهرستشان باز می‌کند (فرمان راهنمای %3).</translation>
    </message>
    <message>
        <source>Help file not opened</source>
        <translation>فایل راهنما باز نشد</translation>
    </message>
    <message>
        <source>“%1” is not a bare file name. The help viewer opens only help files named without a folder, from the places it knows.</source>
        <translation>«%1» فقط نام یک فایل نیست. نمایشگر راهنما تنها فایل‌های راهنمایی را باز می‌کند که بدون پوشه نام برده شوند، آن هم از جاهایی که می‌شناسد.</translation>
    </message>
    <message>
        <source>The help file “%1” was not found. The help viewer looked in:</source>
        <translation>فایل راهنمای «%1» پیدا نشد. نمایشگر راهنما این جاها را گشت:</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>فایل راهنما پیدا نشد</translation>
    </message>
    <message>
        <source>Help file cannot be read</source>
        <translation>فایل راهنما خوانده نمی‌شود</translation>
    </message>
    <message>
        <source>The help file “%1” was found at %2 but could not be read: %3.</source>
        <translation>فایل راهنمای «%1» در %2 پیدا شد، اما خوانده نشد: %3.</translation>
    </message>
</context>
<context>
    <name>plovari::PlovariMainForm</name>
    <message>
        <source>Plovari, the board game</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>Plovari، بازی رومیزی</translation>
    </message>
    <message>
        <source>start</source>
        <extracomment>The continue button&apos;s caption before the game has set up the race; no player sees it for long. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>شروع</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The continue button: a click starts the race. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>شروع</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>The continue button: a click resumes the paused race. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>ادامه</translation>
    </message>
    <message>
        <source>Restart</source>
        <extracomment>The continue button once the race is over: a click puts every racer back at the start. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>شروع مجدد</translation>
    </message>
</context>
<context>
    <name>plovari::ViewerChannel</name>
    <message>
        <source>the running help viewer is slow to answer; waiting for it</source>
        <translation>نمایشگر راهنمایی که در حال اجراست دیر پاسخ می‌دهد؛ در انتظار پاسخ آن</translation>
    </message>
    <message>
        <source>refused a help request that is not well formed</source>
        <translation>یک درخواست راهنما رد شد، چون ساختار درستی نداشت</translation>
    </message>
    <message>
        <source>refused a help request of channel version %1; this viewer takes version %2</source>
        <extracomment>%1 and %2 are numbers.</extracomment>
        <translation>درخواست راهنما با نسخهٔ کانال %1 رد شد؛ این نمایشگر نسخهٔ %2 را می‌پذیرد</translation>
    </message>
    <message>
        <source>refused a help request of %1 bytes; this viewer takes at most %2</source>
        <extracomment>%1 and %2 are numbers.</extracomment>
        <translation>درخواست راهنمای %1 بایتی رد شد؛ این نمایشگر حداکثر %2 بایت می‌پذیرد</translation>
    </message>
</context>
</TS>
