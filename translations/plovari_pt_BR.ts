<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Accessibility</name>
    <message>
        <source>Low</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Lw&quot;).</extracomment>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>Regular</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Rg&quot;).</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Medium</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Md&quot;).</extracomment>
        <translation>Médio</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Mode name, read by a screen reader on the mode button (the column head &quot;Hi&quot;).</extracomment>
        <translation>Alto</translation>
    </message>
    <message>
        <source>the mean of all dice</source>
        <extracomment>What the mode Low gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>a média de todos os dados</translation>
    </message>
    <message>
        <source>your own die</source>
        <extracomment>What the mode Regular gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>o seu próprio dado</translation>
    </message>
    <message>
        <source>points for every other player who rolled the same number</source>
        <extracomment>What the mode Medium gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>pontos por cada um dos outros jogadores que tirou o mesmo número</translation>
    </message>
    <message>
        <source>a payout for the highest die</source>
        <extracomment>What the mode High gains, after &quot;Mode of Player 1 (yellow): &quot;.</extracomment>
        <translation>um prêmio pelo dado mais alto</translation>
    </message>
    <message>
        <source>Player %1 (%2)</source>
        <extracomment>A player named by number and colour, e.g. &quot;Player 1 (yellow)&quot;.</extracomment>
        <translation>Jogador %1 (%2)</translation>
    </message>
    <message>
        <source>Mode of %1: %2</source>
        <extracomment>%1 is a player, e.g. &quot;Player 1 (yellow)&quot;; %2 what the mode gains.</extracomment>
        <translation>Modo do %1: %2</translation>
    </message>
    <message>
        <source>Player %1 score</source>
        <extracomment>The score box of player number %1.</extracomment>
        <translation>Pontuação do jogador %1</translation>
    </message>
    <message>
        <source>Points of %1</source>
        <extracomment>%1 is a player, e.g. &quot;Player 1 (yellow)&quot;.</extracomment>
        <translation>Pontos do %1</translation>
    </message>
    <message>
        <source>Player %1 die</source>
        <extracomment>The picture of the die that player number %1 rolled.</extracomment>
        <translation>Dado do jogador %1</translation>
    </message>
    <message>
        <source>Player %1 marker</source>
        <extracomment>The marker that runs in the lane of player number %1.</extracomment>
        <translation>Peão do jogador %1</translation>
    </message>
    <message>
        <source>Starts the race</source>
        <extracomment>What the continue button does while it shows &quot;Start&quot;.</extracomment>
        <translation>Começa a corrida</translation>
    </message>
    <message>
        <source>Resumes the race</source>
        <extracomment>What the continue button does while it shows &quot;Continue&quot;.</extracomment>
        <translation>Retoma a corrida</translation>
    </message>
    <message>
        <source>Puts every racer back at the start</source>
        <extracomment>What the continue button does while it shows &quot;Restart&quot;.</extracomment>
        <translation>Leva todo mundo de volta à largada</translation>
    </message>
    <message>
        <source>Modes and scores</source>
        <extracomment>The panel holding every player&apos;s mode buttons, die and score.</extracomment>
        <translation>Modos e pontuações</translation>
    </message>
    <message>
        <source>Columns of the mode buttons: Low, Regular, Medium, High</source>
        <extracomment>Describes the column heads &quot;Lw Rg Md Hi&quot;; use the same mode names as the mode buttons.</extracomment>
        <translation>Colunas dos botões de modo: Baixo, Normal, Médio, Alto</translation>
    </message>
    <message>
        <source>Pause: press any key</source>
        <extracomment>The invisible box that holds the focus during a race.</extracomment>
        <translation>Pausa: aperte qualquer tecla</translation>
    </message>
    <message>
        <source>Holds the focus while the race runs, so that any key pauses it</source>
        <translation>Mantém o foco durante a corrida, para que qualquer tecla a pause</translation>
    </message>
    <message>
        <source>yellow</source>
        <extracomment>Player colour, as in &quot;Player 1 (yellow)&quot;.</extracomment>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>navy</source>
        <extracomment>Player colour, as in &quot;Player 2 (navy)&quot;: a dark blue.</extracomment>
        <translation>azul-marinho</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>Player colour, as in &quot;Player 3 (red)&quot;.</extracomment>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>Player colour, as in &quot;Player 4 (green)&quot;.</extracomment>
        <translation>verde</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>Player colour, as in &quot;Player 5 (orange)&quot;.</extracomment>
        <translation>laranja</translation>
    </message>
    <message>
        <source>purple</source>
        <extracomment>Player colour, as in &quot;Player 6 (purple)&quot;.</extracomment>
        <translation>roxo</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu title. The five titles share a bar 687 pixels wide; access keys unique among them.</extracomment>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Restart game</source>
        <extracomment>File menu: puts every racer back at the start.</extracomment>
        <translation>&amp;Reiniciar partida</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <extracomment>File menu: closes the game.</extracomment>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <extracomment>Menu title of the pace commands.</extracomment>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Step by step</source>
        <extracomment>Option menu: a pace that plays one turn per click of the continue button.</extracomment>
        <translation>&amp;Passo a passo</translation>
    </message>
    <message>
        <source>S&amp;low</source>
        <extracomment>Option menu: the slow pace, a turn every second.</extracomment>
        <translation>&amp;Lento</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <extracomment>Option menu: the fast pace, a turn every 150 ms.</extracomment>
        <translation>&amp;Rápido</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <extracomment>Menu title of the player counts.</extracomment>
        <translation>&amp;Jogadores</translation>
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
        <translation>&amp;Chegada</translation>
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
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Plovari</source>
        <extracomment>Help menu: opens the About window.</extracomment>
        <translation>&amp;Sobre o Plovari</translation>
    </message>
    <message>
        <source>What is &amp;this?</source>
        <extracomment>Help menu: opens the game&apos;s help at its contents.</extracomment>
        <translation>&amp;O que é isto?</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Plovari icon</source>
        <extracomment>The program&apos;s icon, as a screen reader names it.</extracomment>
        <translation>Ícone do Plovari</translation>
    </message>
    <message>
        <source>showing 1</source>
        <extracomment>A die picture, after &quot;Player 1 die&quot;: the face with one pip.</extracomment>
        <translation>mostrando 1</translation>
    </message>
    <message>
        <source>showing 2</source>
        <translation>mostrando 2</translation>
    </message>
    <message>
        <source>showing 3</source>
        <translation>mostrando 3</translation>
    </message>
    <message>
        <source>showing 4</source>
        <translation>mostrando 4</translation>
    </message>
    <message>
        <source>showing 5</source>
        <translation>mostrando 5</translation>
    </message>
    <message>
        <source>showing 6</source>
        <translation>mostrando 6</translation>
    </message>
    <message>
        <source>smiley: Regular</source>
        <extracomment>A marker&apos;s picture: what it shows, then the mode it stands for.</extracomment>
        <translation>carinha sorridente: Normal</translation>
    </message>
    <message>
        <source>handshake: Low</source>
        <translation>aperto de mão: Baixo</translation>
    </message>
    <message>
        <source>traffic light showing green: Medium, scored</source>
        <translation>semáforo verde: Médio, pontuou</translation>
    </message>
    <message>
        <source>traffic light showing red: Medium, no match</source>
        <translation>semáforo vermelho: Médio, sem coincidência</translation>
    </message>
    <message>
        <source>sign with an arrow up and 50: High, scored</source>
        <translation>placa com uma seta para cima e 50: Alto, pontuou</translation>
    </message>
    <message>
        <source>stop sign: High, not the highest die</source>
        <translation>placa de pare: Alto, não é o dado mais alto</translation>
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
        <translation>uso: plovari-help ARQUIVO COMANDO
Mostra o arquivo de ajuda ARQUIVO, um nome de arquivo simples, para o comando de ajuda COMANDO (3: o sumário).
</translation>
    </message>
</context>
<context>
    <name>plovari::AboutPlovari</name>
    <message>
        <source>Plovari version %1
by the Plovari developers</source>
        <extracomment>The About window&apos;s first label, 193 pixels wide; %1 is the version number, e.g. 1.0.0.</extracomment>
        <translation>Plovari versão %1
pelos desenvolvedores do Plovari</translation>
    </message>
    <message>
        <source>About Plovari</source>
        <extracomment>The About window&apos;s title.</extracomment>
        <translation>Sobre o Plovari</translation>
    </message>
    <message>
        <source>Any comments or bug reports can be sent to %1</source>
        <extracomment>A label 185 pixels wide; %1 is the authors&apos; e-mail address.</extracomment>
        <translation>Comentários e relatos de erros: %1</translation>
    </message>
    <message>
        <source>Check out %1 for other software, short stories and merchandise.</source>
        <extracomment>A label 193 pixels wide; %1 is the makers&apos; web address.</extracomment>
        <translation>Visite %1 para outros programas, contos e produtos.</translation>
    </message>
</context>
<context>
    <name>plovari::ColumnHeads</name>
    <message>
        <source>Lw  Rg  Md  Hi</source>
        <extracomment>The heads of the four mode columns Low, Regular, Medium and High, separated by two blanks. Each stands over a mode button 16 pixels wide: keep each to about 2 Latin letters or 1 CJK character, and keep the blanks between them.</extracomment>
        <translation>Ba  No  Me  Al</translation>
    </message>
</context>
<context>
    <name>plovari::CommonDialog</name>
    <message>
        <source>Help not available</source>
        <extracomment>Title of the warning shown when the help viewer program cannot be started.</extracomment>
        <translation>Ajuda indisponível</translation>
    </message>
    <message>
        <source>The help viewer could not be started, so the help file “%1” cannot be shown. The game goes on.</source>
        <extracomment>%1 is the help file&apos;s name, Plovari.hlp.</extracomment>
        <translation>Não foi possível abrir o visualizador de ajuda, então o arquivo de ajuda “%1” não pode ser exibido. O jogo continua.</translation>
    </message>
    <message>
        <source>The help viewer plovari-help was looked for at %1 (%2). It comes with the game: installing Plovari again puts it back.</source>
        <extracomment>%1 is where the viewer program was looked for; %2 is the system&apos;s reason, e.g. &quot;No such file or directory&quot;. plovari-help is the program&apos;s name: keep it as it is.</extracomment>
        <translation>O visualizador de ajuda plovari-help foi procurado em %1 (%2). Ele vem com o jogo: instalar o Plovari de novo o traz de volta.</translation>
    </message>
    <message>
        <source>The help viewer needs a runtime folder that only you can open, and there is none: XDG_RUNTIME_DIR names no such folder, and none could be made in %1.</source>
        <extracomment>%1 is the temporary folder, e.g. /tmp. XDG_RUNTIME_DIR is the name of a setting: keep it as it is.</extracomment>
        <translation>O visualizador de ajuda precisa de uma pasta de execução que só você possa abrir, e não há nenhuma: XDG_RUNTIME_DIR não indica uma pasta assim, e não foi possível criar uma em %1.</translation>
    </message>
</context>
<context>
    <name>plovari::HelpViewer</name>
    <message>
        <source>Help</source>
        <extracomment>The help viewer&apos;s title until a help file names its own.</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto da ajuda</translation>
    </message>
    <message>
        <source>The help topic shown; its links lead to other topics</source>
        <translation>O tópico de ajuda exibido; seus links levam a outros tópicos</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegação</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Toolbar button of the help viewer; its access key is unique among the three buttons.</extracomment>
        <translation>&amp;Sumário</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Toolbar button of the help viewer; its access key is unique among the three buttons.</extracomment>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <extracomment>Toolbar button of the help viewer; its access key is unique among the three buttons.</extracomment>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>Shows the help file&apos;s contents</source>
        <translation>Mostra o sumário do arquivo de ajuda</translation>
    </message>
    <message>
        <source>Goes back to the topic shown before</source>
        <translation>Volta ao tópico exibido antes</translation>
    </message>
    <message>
        <source>Goes forward to the topic left with Back</source>
        <translation>Avança para o tópico deixado com Voltar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Help command not supported</source>
        <translation>Comando de ajuda não suportado</translation>
    </message>
    <message>
        <source>This help viewer cannot carry out help command %1 for “%2”. It opens help files at their contents (help command %3).</source>
        <translation>Este visualizador de ajuda não consegue executar o comando de ajuda %1 para “%2”. Ele abre arquivos de ajuda no sumário (comando de ajuda %3).</translation>
    </message>
    <message>
        <source>Help file not opened</source>
        <translation>Arquivo de ajuda não aberto</translation>
    </message>
    <message>
        <source>“%1” is not a bare file name. The help viewer opens only help files named without a folder, from the places it knows.</source>
        <translation>“%1” não é um nome de arquivo simples. O visualizador de ajuda só abre arquivos de ajuda indicados sem pasta, a partir dos lugares que conhece.</translation>
    </message>
    <message>
        <source>The help file “%1” was not found. The help viewer looked in:</source>
        <translation>O arquivo de ajuda “%1” não foi encontrado. O visualizador de ajuda procurou em:</translation>
    </message>
    <message>
        <source>Help file not found</source>
        <translation>Arquivo de ajuda não encontrado</translation>
    </message>
    <message>
        <source>Help file cannot be read</source>
        <translation>Não é possível ler o arquivo de ajuda</translation>
    </message>
    <message>
        <source>The help file “%1” was found at %2 but could not be read: %3.</source>
        <translation>O arquivo de ajuda “%1” foi encontrado em %2, mas não pôde ser lido: %3.</translation>
    </message>
</context>
<context>
    <name>plovari::PlovariMainForm</name>
    <message>
        <source>Plovari, the board game</source>
        <extracomment>The main window&apos;s title.</extracomment>
        <translation>Plovari, o jogo de tabuleiro</translation>
    </message>
    <message>
        <source>start</source>
        <extracomment>The continue button&apos;s caption before the game has set up the race; no player sees it for long. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>iniciar</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The continue button: a click starts the race. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Continue</source>
        <extracomment>The continue button: a click resumes the paused race. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Restart</source>
        <extracomment>The continue button once the race is over: a click puts every racer back at the start. Fits a 65 x 25 pixel button: about 8 Latin letters or 4 CJK characters.</extracomment>
        <translation>Reiniciar</translation>
    </message>
</context>
<context>
    <name>plovari::ViewerChannel</name>
    <message>
        <source>the running help viewer is slow to answer; waiting for it</source>
        <translation>o visualizador de ajuda que já está aberto está demorando para responder; aguardando</translation>
    </message>
    <message>
        <source>refused a help request that is not well formed</source>
        <translation>pedido de ajuda recusado por estar malformado</translation>
    </message>
    <message>
        <source>refused a help request of channel version %1; this viewer takes version %2</source>
        <extracomment>%1 and %2 are numbers.</extracomment>
        <translation>pedido de ajuda da versão de canal %1 recusado; este visualizador aceita a versão %2</translation>
    </message>
    <message>
        <source>refused a help request of %1 bytes; this viewer takes at most %2</source>
        <extracomment>%1 and %2 are numbers.</extracomment>
        <translation>pedido de ajuda de %1 bytes recusado; este visualizador aceita no máximo %2</translation>
    </message>
</context>
</TS>
