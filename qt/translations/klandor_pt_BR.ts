<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>BestTimesBackground</name>
    <message>
        <source>Fastest Klandors</source>
        <translation>Os mais rápidos</translation>
    </message>
    <message>
        <source>Beginner:</source>
        <translation>Iniciante:</translation>
    </message>
    <message>
        <source>Intermediate:</source>
        <translation>Intermediário:</translation>
    </message>
    <message>
        <source>Expert:</source>
        <translation>Especialista:</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>coberto</translation>
    </message>
    <message>
        <source>flag</source>
        <translation>bandeira</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>mina explodida</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>bandeira errada</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>ponto de interrogação</translation>
    </message>
    <message>
        <source>1 mine around</source>
        <translation>1 mina ao redor</translation>
    </message>
    <message numerus="yes">
        <source>%1 mines around</source>
        <translation>
            <numerusform>%1 mina ao redor</numerusform>
            <numerusform>%1 minas ao redor</numerusform>
        </translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Minas restantes: %1</translation>
    </message>
    <message>
        <source>Time: 1 second</source>
        <translation>Tempo: 1 segundo</translation>
    </message>
    <message numerus="yes">
        <source>Time: %1 seconds</source>
        <translation>
            <numerusform>Tempo: %1 segundo</numerusform>
            <numerusform>Tempo: %1 segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Jogo ganho</translation>
    </message>
    <message>
        <source>Game in play</source>
        <translation>Jogo em andamento</translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Jogo perdido</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Linha %1, coluna %2</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Descobrir</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Bandeira</translation>
    </message>
    <message>
        <source>Uncovers the cell</source>
        <translation>Descobre o quadrado</translation>
    </message>
    <message>
        <source>Puts a flag on the cell, or takes it off</source>
        <translation>Coloca uma bandeira no quadrado ou a retira</translation>
    </message>
    <message>
        <source>Minefield</source>
        <translation>Campo minado</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End, Page Up and Page Down move between the cells; Space or Enter uncovers a cell, F puts a flag on it or takes it off.</source>
        <translation>As setas, Home, End, Page Up e Page Down passam de um quadrado a outro; Espaço ou Enter descobre um quadrado, F coloca uma bandeira nele ou a retira.</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Descobrir ao redor</translation>
    </message>
    <message>
        <source>Uncovers every cell around the number without a flag, when the flags around it match the number</source>
        <translation>Descobre cada quadrado sem bandeira ao redor do número, se as bandeiras ao redor corresponderem ao número</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Beginner</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermediário</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Especialista</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Iniciante</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>In&amp;termediário</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Especialista</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>&amp;Personalizado...</translation>
    </message>
    <message>
        <source>&amp;Marks (?)</source>
        <translation>&amp;Marcas (?)</translation>
    </message>
    <message>
        <source>Co&amp;lor</source>
        <translation>&amp;Cor</translation>
    </message>
    <message>
        <source>Best &amp;Times...</source>
        <translation>Me&amp;lhores tempos...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Tópicos da ajuda</translation>
    </message>
    <message>
        <source>&amp;About Klandor</source>
        <translation>&amp;Sobre o Klandor</translation>
    </message>
    <message>
        <source>Tile &amp;Set</source>
        <translation>&amp;Visual dos quadrados</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Colorido</translation>
    </message>
    <message>
        <source>&amp;Monochrome</source>
        <translation>&amp;Monocromático</translation>
    </message>
    <message>
        <source>&amp;Flat</source>
        <translation>&amp;Plano</translation>
    </message>
    <message>
        <source>&amp;Solid Color</source>
        <translation>Cor &amp;sólida</translation>
    </message>
    <message>
        <source>S&amp;haded</source>
        <translation>S&amp;ombreado</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>P&amp;aisagem</translation>
    </message>
    <message>
        <source>&amp;Dice</source>
        <translation>&amp;Dados</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Chording</source>
        <translation>&amp;Descobrir ao redor</translation>
    </message>
    <message>
        <source>Click &amp;Numbers to Chord</source>
        <translation>Clique nos &amp;números para descobrir ao redor</translation>
    </message>
    <message>
        <source>&amp;Guess-Free Boards</source>
        <translation>Tabuleiros sem &amp;adivinhação</translation>
    </message>
    <message>
        <source>Remember &amp;Level and Look</source>
        <translation>&amp;Lembrar nível e visual</translation>
    </message>
    <message>
        <source>Keep &amp;Statistics</source>
        <translation>&amp;Registrar estatísticas</translation>
    </message>
    <message>
        <source>St&amp;atistics...</source>
        <translation>Est&amp;atísticas...</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>Você fez o melhor tempo neste nível. Digite seu nome:</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Parabéns</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Melhores tempos</translation>
    </message>
    <message>
        <source>The best times could not be saved.

%1

They are kept until the game is closed.</source>
        <translation>Não foi possível salvar os melhores tempos.

%1

Eles serão mantidos até o jogo ser fechado.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Tem certeza?</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Redefinir?</translation>
    </message>
    <message>
        <source>The best times could not be saved: no folder for them is set (%1).

They are kept until the game is closed.</source>
        <translation>Não foi possível salvar os melhores tempos: nenhuma pasta está definida para eles (%1).

Eles serão mantidos até o jogo ser fechado.</translation>
    </message>
    <message>
        <source>About Klandor</source>
        <translation>Sobre o Klandor</translation>
    </message>
    <message>
        <source>Guess-Free Boards</source>
        <translation>Tabuleiros sem adivinhação</translation>
    </message>
    <message>
        <source>No board of this size that logic alone solves was found in time, so this board may ask for a guess.</source>
        <translation>Não foi encontrado a tempo um tabuleiro deste tamanho que se resolva só com lógica, então este tabuleiro pode exigir um palpite.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>The options could not be saved.

%1

They last until the game is closed.</source>
        <translation>Não foi possível salvar as opções.

%1

Elas valem até o jogo ser fechado.</translation>
    </message>
    <message>
        <source>The best times could not be read, so no new record can be set until they can.

%1</source>
        <translation>Não foi possível ler os melhores tempos, então nenhum novo recorde pode ser registrado até que seja possível.

%1</translation>
    </message>
    <message>
        <source>These best times could not be saved and are lost when the game closes:

%1</source>
        <translation>Não foi possível salvar estes melhores tempos, que serão perdidos quando o jogo for fechado:

%1</translation>
    </message>
    <message>
        <source>Klandor %1. Uncover every cell that hides no mine, as fast as you can: the numbers tell how many mines touch each cell, the right button plants a flag, and the fastest time of each level is kept with its holder&apos;s name. Written by the Klandor developers.</source>
        <translation>Klandor %1. Descubra o mais rápido possível todos os quadrados que não escondem uma mina: os números indicam quantas minas tocam cada quadrado, o botão direito coloca uma bandeira e o melhor tempo de cada nível é guardado com o nome de quem o fez. Escrito pelos desenvolvedores do Klandor.</translation>
    </message>
</context>
<context>
    <name>klandor::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <translation>&amp;Redefinir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds</source>
        <comment>a time of the table; %1 is the time field, three characters</comment>
        <translation>
            <numerusform>%1 segundo</numerusform>
            <numerusform>%1 segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>klandor::Form3</name>
    <message>
        <source>Custom Field</source>
        <translation>Campo personalizado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Altura</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largura</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Minas</translation>
    </message>
</context>
<context>
    <name>klandor::Form4</name>
    <message>
        <source>Games played</source>
        <translation>Partidas jogadas</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Partidas ganhas</translation>
    </message>
    <message>
        <source>Won (%)</source>
        <translation>Ganhas (%)</translation>
    </message>
    <message>
        <source>Current streak</source>
        <translation>Sequência atual</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Maior sequência</translation>
    </message>
    <message>
        <source>Best time (s)</source>
        <translation>Melhor tempo (s)</translation>
    </message>
    <message>
        <source>Average time (s)</source>
        <translation>Tempo médio (s)</translation>
    </message>
    <message>
        <source>Best 3BV/s</source>
        <translation>Melhor 3BV/s</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics</source>
        <translation>&amp;Zerar estatísticas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Fastest wins:</source>
        <translation>Vitórias mais &amp;rápidas:</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tempo (s)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>3BV/s</source>
        <translation>3BV/s</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Keep Statistics is off: these are the games of this run only.</source>
        <translation>Registrar estatísticas está desligado: só contam as partidas desta sessão.</translation>
    </message>
</context>
<context>
    <name>klandor::ui::Form1</name>
    <message>
        <source>Klandor</source>
        <comment>the game&apos;s name</comment>
        <translation>Klandor</translation>
    </message>
</context>
</TS>
