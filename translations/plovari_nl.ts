<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Accessibility</name>
    <message>
        <source>Low</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Lw&quot;).</extracomment>
        <translation>Laag</translation>
    </message>
    <message>
        <source>Regular</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Rg&quot;).</extracomment>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Md&quot;).</extracomment>
        <translation>Middel</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Hi&quot;).</extracomment>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>the mean of all dice</source>
        <extracomment>What the mode Low gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>het gemiddelde van alle dobbelstenen</translation>
    </message>
    <message>
        <source>your own die</source>
        <extracomment>What the mode Regular gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>je eigen dobbelsteen</translation>
    </message>
    <message>
        <source>points for every other player who rolled the same number</source>
        <extracomment>What the mode Medium gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>punten voor elke medespeler die hetzelfde getal gooide</translation>
    </message>
    <message>
        <source>a payout for the highest die</source>
        <extracomment>What the mode High gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>een uitbetaling voor de hoogste worp</translation>
    </message>
    <message>
        <source>Player %1 (%2)</source>
        <extracomment>A player named by number and colour, e.g. &quot;Player 1 (yellow)&quot;.</extracomment>
        <translation>Speler %1 (%2)</translation>
    </message>
    <message>
        <source>Mode of %1: %2</source>
        <extracomment>%1 is a player, e.g. &quot;Player 1 (yellow)&quot;; %2 what the mode gains.</extracomment>
        <translation>Modus van %1: %2</translation>
    </message>
    <message>
        <source>Player %1 score</source>
        <extracomment>The score box of player number %1.</extracomment>
        <translation>Score van speler %1</translation>
    </message>
    <message>
        <source>Points of %1</source>
        <extracomment>%1 is a player, e.g. &quot;Player 1 (yellow)&quot;.</extracomment>
        <translation>Punten van %1</translation>
    </message>
    <message>
        <source>Player %1 die</source>
        <extracomment>The picture of the die that player number %1 rolled.</extracomment>
        <translation>Dobbelsteen van speler %1</translation>
    </message>
    <message>
        <source>Player %1 marker</source>
        <extracomment>The marker that runs in the lane of player number %1.</extracomment>
        <translation>Pion van speler %1</translation>
    </message>
    <message>
        <source>Starts the race</source>
        <extracomment>What the continue button does while it shows &quot;Start&quot;.</extracomment>
        <translation>Start de race</translation>
    </message>
    <message>
        <source>Resumes the race</source>
        <extracomment>What the continue button does while it shows &quot;Continue&quot;.</extracomment>
        <translation>Hervat de race</translation>
    </message>
    <message>
        <source>Puts every racer back at the start</source>
        <extracomment>What the continue button does while it shows &quot;Restart&quot;.</extracomment>
        <translation>Zet iedereen terug naar de start</translation>
    </message>
    <message>
        <source>Modes and scores</source>
        <extracomment>The panel holding every player&apos;s mode buttons, die and score.</extracomment>
        <translation>Modi en scores</translation>
    </message>
    <message>
        <source>Columns of the mode buttons: Low, Regular, Medium, High</source>
        <extracomment>Describes the column heads &quot;Lw Rg Md Hi&quot;; use the same mode names as the mode buttons.</extracomment>
        <translation>Kolommen van de modusknoppen: Laag, Normaal, Middel, Hoog</translation>
    </message>
    <message>
        <source>Pause: press any key</source>
        <extracomment>The invisible box that holds the focus during a race.</extracomment>
        <translation>Pauze: druk op een toets</translation>
    </message>
    <message>
        <source>Holds the focus while the race runs, so that any key pauses it</source>
        <translation>Houdt de focus vast terwijl de race loopt, zodat elke toets hem pauzeert</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>Player colour, as in &quot;Player 1 (yellow)&quot;.</extracomment>
        <translation>geel</translation>
    </message>
    <message>
        <source>navy</source>
        <extracomment>Player colour, as in &quot;Player 2 (navy)&quot;: a dark blue.</extracomment>
        <translation>marineblauw</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>Player colour, as in &quot;Player 3 (red)&quot;.</extracomment>
        <translation>rood</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>Player colour, as in &quot;Player 4 (green)&quot;.</extracomment>
        <translation>groen</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>Player colour, as in &quot;Player 5 (orange)&quot;.</extracomment>
        <translation>oranje</translation>
    </message>
    <message>
        <source>purple</source>
        <extracomment>Player colour, as in &quot;Player 6 (purple)&quot;.</extracomment>
        <translation>paars</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu title. The five titles share a bar 687 pixels wide; access keys unique among them.</extracomment>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Restart game</source>
        <extracomment>File menu: puts every racer back at the start.</extracomment>
        <translation>Spel &amp;herstarten</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>File menu: closes the game.</extracomment>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <extracomment>Menu title of the pace commands.</extracomment>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Step by step</source>
        <extracomment>Option menu: a pace that plays one turn per click of the continue button.</extracomment>
        <translation>&amp;Stap voor stap</translation>
    </message>
    <message>
        <source>S&amp;low</source>
        <extracomment>Option menu: the slow pace, a turn every second.</extracomment>
        <translation>&amp;Langzaam</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <extracomment>Option menu: the fast pace, a turn every 150 ms.</extracomment>
        <translation>S&amp;nel</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <extracomment>Menu title of the player counts.</extracomment>
        <translation>&amp;Spelers</translation>
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
        <translation>&amp;Eindstreep</translation>
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
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Plovari</source>
        <extracomment>Help menu: opens the About window.</extracomment>
        <translation>&amp;Over Plovari</translation>
    </message>
    <message>
        <source>What is &amp;this?</source>
        <extracomment>Help menu: opens the game&apos;s help at its contents.</extracomment>
        <translation>&amp;Wat is dit?</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Plovari icon</source>
        <extracomment>The program&apos;s icon, as a screen reader names it.</extracomment>
        <translation>Plovari-pictogram</translation>
    </message>
    <message>
        <source>showing 1</source>
        <extracomment>A die picture, after &quot;Player 1 die&quot;: the face with one pip.</extracomment>
        <translation>toont 1</translation>
    </message>
    <message>
        <source>showing 2</source>
        <translation>toont 2</translation>
    </message>
    <message>
        <source>showing 3</source>
        <translation>toont 3</translation>
    </message>
    <message>
        <source>showing 4</source>
        <translation>toont 4</translation>
    </message>
    <message>
        <source>showing 5</source>
        <translation>toont 5</translation>
    </message>
    <message>
        <source>showing 6</source>
        <translation>toont 6</translation>
    </message>
    <message>
        <source>smiley: Regular</source>
        <extracomment>A marker&apos;s picture: what it shows, then the mode it stands for.</extracomment>
        <translation>smiley: Normaal</translation>
    </message>
    <message>
        <source>handshake: Low</source>
        <translation>handdruk: Laag</translation>
    </message>
    <message>
        <source>traffic light showing green: Medium, scored</source>
        <translation>verkeerslicht op groen: Middel, gescoord</translation>
    </message>
    <message>
        <source>traffic light showing red: Medium, no match</source>
        <translation>verkeerslicht op rood: Middel, geen treffer</translation>
    </message>
    <message>
        <source>sign with an arrow up and 50: High, scored</source>
        <translation>bord met een pijl omhoog en 50: Hoog, gescoord</translation>
    </message>
    <message>
        <source>stop sign: High, not the highest die</source>
        <translation>stopbord: Hoog, niet de hoogste worp</translation>
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
        <translation>gebruik: plovari-help BESTAND OPDRACHT
Toont het helpbestand BESTAND, een kale bestandsnaam, voor helpopdracht OPDRACHT (3: de inhoud).
</translation>
    </message>
</context>
<context>
    <name>plovari::AboutPlovari</name>
    <message>
        <source>Plovari version %1
by the Plovari developers</source>
        <extracomment>The About window&apos;s first label, 193 pixels wide; %1 is the version number, e.g. 1.0.0.</extracomment>
        <translation>Plovari versie %1
door de ontwikkelaars van Plovari</translation>
    </message>
    <message>
        <source>About Plovari</source>
        <extracomment>The About window&apos;s title.</extracomment>
        <translation>Over Plovari</translation>
    </message>
    <message>
        <source>Any comments or bug reports can be sent to %1</source>
        <extracomment>A label 185 pixels wide; %1 is the authors&apos; e-mail address.</extracomment>
        <translation>Opmerkingen en bugmeldingen naar %1</translation>
    </message>
    <message>
        <source>Check out %1 for other software, short stories and merchandise.</source>
        <extracomment>A label 193 pixels wide; %1 is the makers&apos; web address.</extracomment>
        <translation>Kijk op %1 voor andere software, korte verhalen en merchandise.</translation>
    </message>
</context>
<context>
    <name>plovari::ColumnHeads</name>
    <message>
        <source>Lw  Rg  Md  Hi</source>
        <extracomment>The heads of the four mode columns Low, Regular, Medium and High, separated by two blanks. Each stands over a mode button 16 pixels wide: keep each to about 2 Latin letters or 1 CJK character, and keep the blanks between them.</extracomment>
        <translation>La  No  Mi  Ho</translation>
    </message>
</context>
<context>
    <name>plovari::CommonDialog</name>
    <message>
        <source>Help not available</source>
        <extracomment>Title of the warning shown when the help viewer program cannot be started.</extracomment>
        <translation>Help niet beschikbaar</translation>
    </message>
    <message>
        <source>The help viewer could not be started, so the help file “%1” cannot be shown. The game goes on.</source>
        <extracomment>%1 is the help file&apos;s name, Plovari.hlp.</extracomment>
        <translation>De helpviewer kon niet worden gestart, dus het helpbestand ‘%1’ kan niet worden getoond. Het spel gaat door.</translation>
    </message>
    <message>
        <source>The help viewer plovari-help was looked for at %1 (%2). It comes with the game: installing Plovari again puts it back.</source>
        <extracomment>%1 is where the viewer program was looked for; %2 is the system&apos;s reason, e.g. &quot;No such file or directory&quot;. plovari-help is the program&apos;s name: keep it as it is.</extracomment>
        <translation>De helpviewer plovari-help is gezocht op %1 (%2). Hij hoort bij het spel: installeer Plovari opnieuw om hem terug te krijgen.</translation>
    </message>
    <message>
        <source>The help viewer needs a runtime folder that only you can open, and there is none: XDG_RUNTIME_DIR names no such folder, and none could be made in %1.</source>
        <extracomment>%1 is the temporary folder, e.g. /tmp. XDG_RUNTIME_DIR is the name of a setting: keep it as it is.</extracomment>
        <translation>De helpviewer heeft een runtimemap nodig die alleen jij kunt openen, en die is er niet: XDG_RUNTIME_DIR wijst zo’n map niet aan en in %1 kon er geen worden gemaakt.</translation>
    </message>
</context>
<context>
    <name>plovari::HelpViewer</name>
    <message>
        <source>Help</source>
        <extracomment>The help viewer&apos;s title until a help file names its own.</extracomment>
        <translation>Help</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Helptekst</translation>
    </message>
    <message>
        <source>The help topic shown; its links lead to other topics</source>
        <translation>Het getoonde helponderwerp; de koppelingen leiden naar andere onderwerpen</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigatie</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Toolbar button of the help viewer; its access key is unique among the three buttons.</extracomment>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Toolbar button of the help viewer; its access key is unique among the three buttons.</extracomment>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <extracomment>Toolbar button of the help viewer; its access key is unique among the three buttons.</extracomment>
        <translation>&amp;Vooruit</translation>
    </message>
    <message>
        <source>Shows the help file&apos;s contents</source>
        <translation>Toont de inhoud van het helpbestand</translation>
    </message>
    <message>
        <source>Goes back to the topic shown before</source>
        <translation>Gaat terug naar het vorige onderwerp</translation>
    </message>
    <message>
        <source>Goes forward to the topic left with Back</source>
        <translation>Gaat vooruit naar het onderwerp dat met Terug verlaten is</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Help command not supported</source>
        <translation>Helpopdracht niet ondersteund</translation>
    </message>
    <message>
        <source>This help viewer cannot carry out help command %1 for “%2”. It opens help files at their contents (help command %3).</source>
        <translation>Deze helpviewer kan helpopdracht %1 voor ‘%2’ niet uitvoeren. Hij opent helpbestanden bij hun inhoud (helpopdracht %3).</translation>
    </message>
    <message>
        <source>Help file not opened</source>
        <translation>Helpbestand niet geopend</translation>
    </message>
    <message>
        <source>“%1” is not a bare file name. The help viewer opens only help files named without a folder, from the places it knows.</source>
        <translation>‘%1’ is geen kale bestandsnaam. De helpviewer opent alleen helpbestanden die zonder map zijn genoemd, vanaf de plaatsen die hij kent.</translation>
    </message>
    <message>
        <source>The help file “%1” was not found. The help viewer looked in:</source>
        <translation>Het helpbestand ‘%1’ is niet gevonden. De helpviewer heeft gezocht in:</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Helpbestand niet gevonden</translation>
    </message>
    <message>
        <source>Help file cannot be read</source>
        <translation>Helpbestand kan niet worden gelezen</translation>
    </message>
    <message>
        <source>The help file “%1” was found at %2 but could not be read: %3.</source>
        <translation>Het helpbestand ‘%1’ is gevonden in %2, maar kon niet worden gelezen: %3.</translation>
    </message>
</context>
<context>
    <name>plovari::PlovariMainForm</name>
    <message>
        <source>Plovari, the board game</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>Plovari, het bordspel</translation>
    </message>
    <message>
        <source>start</source>
        <extracomment>The continue button&apos;s caption before the game has set up the race; no player sees it for long. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>start</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The continue button: a click starts the race. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>The continue button: a click resumes the paused race. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>Verder</translation>
    </message>
    <message>
        <source>Restart</source>
        <extracomment>The continue button once the race is over: a click puts every racer back at the start. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>Herstart</translation>
    </message>
</context>
<context>
    <name>plovari::ViewerChannel</name>
    <message>
        <source>the running help viewer is slow to answer; waiting for it</source>
        <translation>de draaiende helpviewer antwoordt traag; er wordt op gewacht</translation>
    </message>
    <message>
        <source>refused a help request that is not well formed</source>
        <translation>een helpverzoek dat niet goed is opgebouwd, is geweigerd</translation>
    </message>
    <message>
        <source>refused a help request of channel version %1; this viewer takes version %2</source>
        <extracomment>%1 and %2 are numbers.</extracomment>
        <translation>een helpverzoek met kanaalversie %1 is geweigerd; deze viewer neemt versie %2 aan</translation>
    </message>
    <message>
        <source>refused a help request of %1 bytes; this viewer takes at most %2</source>
        <extracomment>%1 and %2 are numbers.</extracomment>
        <translation>een helpverzoek van %1 bytes is geweigerd; deze viewer neemt er hoogstens %2 aan</translation>
    </message>
</context>
</TS>
