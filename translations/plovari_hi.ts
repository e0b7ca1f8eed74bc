<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>Accessibility</name>
    <message>
        <source>Low</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Lw&quot;).</extracomment>
        <translation>कम</translation>
    </message>
    <message>
        <source>Regular</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Rg&quot;).</extracomment>
        <translation>सामान्य</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Md&quot;).</extracomment>
        <translation>मध्यम</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Hi&quot;).</extracomment>
        <translation>उच्च</translation>
    </message>
    <message>
        <source>the mean of all dice</source>
        <extracomment>What the mode Low gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>सभी पासों का औसत</translation>
    </message>
    <message>
        <source>your own die</source>
        <extracomment>What the mode Regular gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>आपका अपना पासा</translation>
    </message>
    <message>
        <source>points for every other player who rolled the same number</source>
        <extracomment>What the mode Medium gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>हर उस दूसरे खिलाड़ी के लिए अंक जिसने वही संख्या फेंकी</translation>
    </message>
    <message>
        <source>a payout for the highest die</source>
        <extracomment>What the mode High gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>सबसे ऊँचे पासे का इनाम</translation>
    </message>
    <message>
        <source>Player %1 (%2)</source>
        <extracomment>A player named by number and colour, e.g. &quot;Player 1 (yellow)&quot;.</extracomment>
        <translation>खिलाड़ी %1 (%2)</translation>
    </message>
    <message>
        <source>Mode of %1: %2</source>
        <extracomment>%1 is a player, e.g. &quot;Player 1 (yellow)&quot;; %2 what the mode gains.</extracomment>
        <translation>%1 का मोड: %2</translation>
    </message>
    <message>
        <source>Player %1 score</source>
        <extracomment>The score box of player number %1.</extracomment>
        <translation>खिलाड़ी %1 का स्कोर</translation>
    </message>
    <message>
        <source>Points of %1</source>
        <extracomment>%1 is a player, e.g. &quot;Player 1 (yellow)&quot;.</extracomment>
        <translation>%1 के अंक</translation>
    </message>
    <message>
        <source>Player %1 die</source>
        <extracomment>The picture of the die that player number %1 rolled.</extracomment>
        <translation>खिलाड़ी %1 का पासा</translation>
    </message>
    <message>
        <source>Player %1 marker</source>
        <extracomment>The marker that runs in the lane of player number %1.</extracomment>
        <translation>खिलाड़ी %1 की गोटी</translation>
    </message>
    <message>
        <source>Starts the race</source>
        <extracomment>What the continue button does while it shows &quot;Start&quot;.</extracomment>
        <translation>दौड़ शुरू करता है</translation>
    </message>
    <message>
        <source>Resumes the race</source>
        <extracomment>What the continue button does while it shows &quot;Continue&quot;.</extracomment>
        <translation>दौड़ जारी रखता है</translation>
    </message>
    <message>
        <source>Puts every racer back at the start</source>
        <extracomment>What the continue button does while it shows &quot;Restart&quot;.</extracomment>
        <translation>सभी खिलाड़ियों को वापस शुरुआत पर ले जाता है</translation>
    </message>
    <message>
        <source>Modes and scores</source>
        <extracomment>The panel holding every player&apos;s mode buttons, die and score.</extracomment>
        <translation>मोड और स्कोर</translation>
    </message>
    <message>
        <source>Columns of the mode buttons: Low, Regular, Medium, High</source>
        <extracomment>Describes the column heads &quot;Lw Rg Md Hi&quot;; use the same mode names as the mode buttons.</extracomment>
        <translation>मोड बटनों के स्तंभ: कम, सामान्य, मध्यम, उच्च</translation>
    </message>
    <message>
        <source>Pause: press any key</source>
        <extracomment>The invisible box that holds the focus during a race.</extracomment>
        <translation>विराम: कोई भी कुंजी दबाएँ</translation>
    </message>
    <message>
        <source>Holds the focus while the race runs, so that any key pauses it</source>
        <translation>दौड़ के दौरान फ़ोकस अपने पास रखता है, ताकि कोई भी कुंजी दौड़ को रोक दे</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>Player colour, as in &quot;Player 1 (yellow)&quot;.</extracomment>
        <translation>पीला</translation>
    </message>
    <message>
        <source>navy</source>
        <extracomment>Player colour, as in &quot;Player 2 (navy)&quot;: a dark blue.</extracomment>
        <translation>गहरा नीला</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>Player colour, as in &quot;Player 3 (red)&quot;.</extracomment>
        <translation>लाल</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>Player colour, as in &quot;Player 4 (green)&quot;.</extracomment>
        <translation>हरा</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>Player colour, as in &quot;Player 5 (orange)&quot;.</extracomment>
        <translation>नारंगी</translation>
    </message>
    <message>
        <source>purple</source>
        <extracomment>Player colour, as in &quot;Player 6 (purple)&quot;.</extracomment>
        <translation>बैंगनी</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu title. The five titles share a bar 687 pixels wide; access keys unique among them.</extracomment>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Restart game</source>
        <extracomment>File menu: puts every racer back at the start.</extracomment>
        <translation>खेल पुनरारंभ करें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>File menu: closes the game.</extracomment>
        <translation>बाहर निकलें (&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <extracomment>Menu title of the pace commands.</extracomment>
        <translation>विकल्प (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Step by step</source>
        <extracomment>Option menu: a pace that plays one turn per click of the continue button.</extracomment>
        <translation>चरण-दर-चरण (&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;low</source>
        <extracomment>Option menu: the slow pace, a turn every second.</extracomment>
        <translation>धीमा (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <extracomment>Option menu: the fast pace, a turn every 150 ms.</extracomment>
        <translation>तेज़ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <extracomment>Menu title of the player counts.</extracomment>
        <translation>खिलाड़ी (&amp;P)</translation>
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
        <translation>फ़िनिश लाइन (&amp;L)</translation>
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
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Plovari</source>
        <extracomment>Help menu: opens the About window.</extracomment>
        <translation>Plovari के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>What is &amp;this?</source>
        <extracomment>Help menu: opens the game&apos;s help at its contents.</extracomment>
        <translation>यह क्या है? (&amp;T)</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Plovari icon</source>
        <extracomment>The program&apos;s icon, as a screen reader names it.</extracomment>
        <translation>Plovari का आइकन</translation>
    </message>
    <message>
        <source>showing 1</source>
        <extracomment>A die picture, after &quot;Player 1 die&quot;: the face with one pip.</extracomment>
        <translation>1 दिखा रहा है</translation>
    </message>
    <message>
        <source>showing 2</source>
        <translation>2 दिखा रहा है</translation>
    </message>
    <message>
        <source>showing 3</source>
        <translation>3 दिखा रहा है</translation>
    </message>
    <message>
        <source>showing 4</source>
        <translation>4 दिखा रहा है</translation>
    </message>
    <message>
        <source>showing 5</source>
        <translation>5 दिखा रहा है</translation>
    </message>
    <message>
        <source>showing 6</source>
        <translation>6 दिखा रहा है</translation>
    </message>
    <message>
        <source>smiley: Regular</source>
        <extracomment>A marker&apos;s picture: what it shows, then the mode it stands for.</extracomment>
        <translation>मुस्कुराता चेहरा: सामान्य</translation>
    </message>
    <message>
        <source>handshake: Low</source>
        <translation>हाथ मिलाना: कम</translation>
    </message>
    <message>
        <source>traffic light showing green: Medium, scored</source>
        <translation>हरी बत्ती वाला ट्रैफ़िक सिग्नल: मध्यम, अंक मिले</translation>
    </message>
    <message>
        <source>traffic light showing red: Medium, no match</source>
        <translation>लाल बत्ती वाला ट्रैफ़िक सिग्नल: मध्यम, कोई मेल नहीं</translation>
    </message>
    <message>
        <source>sign with an arrow up and 50: High, scored</source>
        <translation>ऊपर के तीर और 50 वाला बोर्ड: उच्च, अंक मिले</translation>
    </message>
    <message>
        <source>stop sign: High, not the highest die</source>
        <translation>रुकने का संकेत: उच्च, सबसे ऊँचा पासा नहीं</translation>
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
        <translation>उपयोग: plovari-help FILE COMMAND
सहायता कमांड COMMAND (3: विषय-सूची) के लिए सहायता फ़ाइल FILE दिखाता है; FILE केवल फ़ाइल का नाम है, फ़ोल्डर के बिना।
</translation>
    </message>
</context>
<context>
    <name>plovari::AboutPlovari</name>
    <message>
        <source>Plovari version %1
by the Plovari developers</source>
        <extracomment>The About window&apos;s first label, 193 pixels wide; %1 is the version number, e.g. 1.0.0.</extracomment>
        <translation>Plovari संस्करण %1
Plovari डेवलपर्स की ओर से</translation>
    </message>
    <message>
        <source>About Plovari</source>
        <extracomment>The About window&apos;s title.</extracomment>
        <translation>Plovari के बारे में</translation>
    </message>
    <message>
        <source>Any comments or bug reports can be sent to %1</source>
        <extracomment>A label 185 pixels wide; %1 is the authors&apos; e-mail address.</extracomment>
        <translation>सुझाव या बग रिपोर्ट %1 पर भेजें</translation>
    </message>
    <message>
        <source>Check out %1 for other software, short stories and merchandise.</source>
        <extracomment>A label 193 pixels wide; %1 is the makers&apos; web address.</extracomment>
        <translation>दूसरे सॉफ़्टवेयर, छोटी कहानियों और सामान के लिए %1 देखें।</translation>
    </message>
</context>
<context>
    <name>plovari::ColumnHeads</name>
    <message>
        <source>Lw  Rg  Md  Hi</source>
        <extracomment>The heads of the four mode columns Low, Regular, Medium and High, separated by two blanks. Each stands over a mode button 16 pixels wide: keep each to about 2 Latin letters or 1 CJK character, and keep the blanks between them.</extracomment>
        <translation>क  सा  म  उ</translation>
    </message>
</context>
<context>
    <name>plovari::CommonDialog</name>
    <message>
        <source>Help not available</source>
        <extracomment>Title of the warning shown when the help viewer program cannot be started.</extracomment>
        <translation>सहायता उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>The help viewer could not be started, so the help file “%1” cannot be shown. The game goes on.</source>
        <extracomment>%1 is the help file&apos;s name, Plovari.hlp.</extracomment>
        <translation>सहायता व्यूअर शुरू नहीं हो सका, इसलिए सहायता फ़ाइल “%1” नहीं दिखाई जा सकती। खेल चलता रहता है।</translation>
    </message>
    <message>
        <source>The help viewer plovari-help was looked for at %1 (%2). It comes with the game: installing Plovari again puts it back.</source>
        <extracomment>%1 is where the viewer program was looked for; %2 is the system&apos;s reason, e.g. &quot;No such file or directory&quot;. plovari-help is the program&apos;s name: keep it as it is.</extracomment>
        <translation>सहायता व्यूअर plovari-help को %1 पर खोजा गया (%2)। यह खेल के साथ आता है: Plovari को फिर से इंस्टॉल करने पर यह वापस आ जाता है।</translation>
    </message>
    <message>
        <source>The help viewer needs a runtime folder that only you can open, and there is none: XDG_RUNTIME_DIR names no such folder, and none could be made in %1.</source>
        <extracomment>%1 is the temporary folder, e.g. /tmp. XDG_RUNTIME_DIR is the name of a setting: keep it as it is.</extracomment>
        <translation>सहायता व्यूअर को एक ऐसा रनटाइम फ़ोल्डर चाहिए जिसे केवल आप खोल सकें, और ऐसा कोई फ़ोल्डर नहीं है: XDG_RUNTIME_DIR ऐसा कोई फ़ोल्डर नहीं बताता, और %1 में भी कोई नहीं बनाया जा सका।</translation>
    </message>
</context>
<context>
    <name>plovari::HelpViewer</name>
    <message>
        <source>Help</source>
        <extracomment>The help viewer&apos;s title until a help file names its own.</extracomment>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>सहायता पाठ</translation>
    </message>
    <message>
        <source>The help topic shown; its links lead to other topics</source>
        <translation>दिखाया गया सहायता विषय; इसकी कड़ियाँ दूसरे विषयों पर ले जाती हैं</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>नेविगेशन</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Toolbar button of the help viewer; its access key is unique among the three buttons.</extracomment>
        <translation>विषय-सूची (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Toolbar button of the help viewer; its access key is unique among the three buttons.</extracomment>
        <translation>पीछे (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <extracomment>Toolbar button of the help viewer; its access key is unique among the three buttons.</extracomment>
        <translation>आगे (&amp;F)</translation>
    </message>
    <message>
        <source>Shows the help file&apos;s contents</source>
        <translation>सहायता फ़ाइल की विषय-सूची दिखाता है</translation>
    </message>
    <message>
        <source>Goes back to the topic shown before</source>
        <translation>पहले दिखाए गए विषय पर वापस जाता है</translation>
    </message>
    <message>
        <source>Goes forward to the topic left with Back</source>
        <translation>उस विषय पर आगे जाता है जिसे “पीछे” से छोड़ा गया था</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Help command not supported</source>
        <translation>सहायता कमांड समर्थित नहीं</translation>
    </message>
    <message>
        <source>This help viewer cannot carry out help command %1 for “%2”. It opens help files at their contents (help command %3).</source>
        <translation>यह सहायता व्यूअर “%2” के लिए सहायता कमांड %1 नहीं चला सकता। यह सहायता फ़ाइलें उनकी विषय-सूची पर खोलता है (सहायता कमांड %3)।</translation>
    </message>
    <message>
        <source>Help file not opened</source>
        <translation>सहायता फ़ाइल नहीं खुली</translation>
    </message>
    <message>
        <source>“%1” is not a bare file name. The help viewer opens only help files named without a folder, from the places it knows.</source>
        <translation>“%1” केवल फ़ाइल का नाम नहीं है। सहायता व्यूअर केवल वही सहायता फ़ाइलें खोलता है जिनका नाम फ़ोल्डर के बिना दिया गया हो, और वह भी उन्हीं जगहों से जिन्हें वह जानता है।</translation>
    </message>
    <message>
        <source>The help file “%1” was not found. The help viewer looked in:</source>
        <translation>सहायता फ़ाइल “%1” नहीं मिली। सहायता व्यूअर ने इन जगहों पर खोजा:</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>सहायता फ़ाइल नहीं मिली</translation>
    </message>
    <message>
        <source>Help file cannot be read</source>
        <translation>सहायता फ़ाइल पढ़ी नहीं जा सकती</translation>
    </message>
    <message>
        <source>The help file “%1” was found at %2 but could not be read: %3.</source>
        <translation>सहायता फ़ाइल “%1” %2 पर मिली, लेकिन पढ़ी नहीं जा सकी: %3।</translation>
    </message>
</context>
<context>
    <name>plovari::PlovariMainForm</name>
    <message>
        <source>Plovari, the board game</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>Plovari, बोर्ड गेम</translation>
    </message>
    <message>
        <source>start</source>
        <extracomment>The continue button&apos;s caption before the game has set up the race; no player sees it for long. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>शुरू करें</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The continue button: a click starts the race. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>शुरू करें</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>The continue button: a click resumes the paused race. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>जारी रखें</translation>
    </message>
    <message>
        <source>Restart</source>
        <extracomment>The continue button once the race is over: a click puts every racer back at the start. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>पुनरारंभ</translation>
    </message>
</context>
<context>
    <name>plovari::ViewerChannel</name>
    <message>
        <source>the running help viewer is slow to answer; waiting for it</source>
        <translation>चल रहा सहायता व्यूअर जवाब देने में धीमा है; उसकी प्रतीक्षा की जा रही है</translation>
    </message>
    <message>
        <source>refused a help request that is not well formed</source>
        <translation>सहायता का एक अनुरोध अस्वीकार किया गया, क्योंकि वह सही ढंग से बना नहीं है</translation>
    </message>
    <message>
        <source>refused a help request of channel version %1; this viewer takes version %2</source>
        <extracomment>%1 and %2 are numbers.</extracomment>
        <translation>चैनल संस्करण %1 का सहायता अनुरोध अस्वीकार किया गया; यह व्यूअर संस्करण %2 लेता है</translation>
    </message>
    <message>
        <source>refused a help request of %1 bytes; this viewer takes at most %2</source>
        <extracomment>%1 and %2 are numbers.</extracomment>
        <translation>%1 बाइट का सहायता अनुरोध अस्वीकार किया गया; यह व्यूअर अधिकतम %2 लेता है</translation>
    </message>
</context>
</TS>
