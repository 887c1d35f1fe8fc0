<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BestTimesBackground</name>
    <message>
        <source>Fastest Klandors</source>
        <translation>Los más rápidos</translation>
    </message>
    <message>
        <source>Beginner:</source>
        <translation>Principiante:</translation>
    </message>
    <message>
        <source>Intermediate:</source>
        <translation>Intermedio:</translation>
    </message>
    <message>
        <source>Expert:</source>
        <translation>Experto:</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>cubierta</translation>
    </message>
    <message>
        <source>flag</source>
        <translation>bandera</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>mina explotada</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>bandera errónea</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>signo de interrogación</translation>
    </message>
    <message>
        <source>1 mine around</source>
        <translation>1 mina alrededor</translation>
    </message>
    <message numerus="yes">
        <source>%1 mines around</source>
        <translation>
            <numerusform>%1 mina alrededor</numerusform>
            <numerusform>%1 minas alrededor</numerusform>
        </translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Minas restantes: %1</translation>
    </message>
    <message>
        <source>Time: 1 second</source>
        <translation>Tiempo: 1 segundo</translation>
    </message>
    <message numerus="yes">
        <source>Time: %1 seconds</source>
        <translation>
            <numerusform>Tiempo: %1 segundo</numerusform>
            <numerusform>Tiempo: %1 segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Partida ganada</translation>
    </message>
    <message>
        <source>Game in play</source>
        <translation>Partida en curso</translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Partida perdida</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Fila %1, columna %2</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Descubrir</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Bandera</translation>
    </message>
    <message>
        <source>Uncovers the cell</source>
        <translation>Descubre la casilla</translation>
    </message>
    <message>
        <source>Puts a flag on the cell, or takes it off</source>
        <translation>Pone una bandera en la casilla o la quita</translation>
    </message>
    <message>
        <source>Minefield</source>
        <translation>Campo de minas</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End, Page Up and Page Down move between the cells; Space or Enter uncovers a cell, F puts a flag on it or takes it off.</source>
        <translation>Las flechas, Inicio, Fin, Re Pág y Av Pág pasan de una casilla a otra; Espacio o Intro descubre una casilla, F pone una bandera en ella o la quita.</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Descubrir alrededor</translation>
    </message>
    <message>
        <source>Uncovers every cell around the number without a flag, when the flags around it match the number</source>
        <translation>Descubre cada casilla sin bandera alrededor del número, si las banderas que lo rodean coinciden con el número</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
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
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Principiante</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Intermedio</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Experto</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>Pe&amp;rsonalizado...</translation>
    </message>
    <message>
        <source>&amp;Marks (?)</source>
        <translation>&amp;Marcas (?)</translation>
    </message>
    <message>
        <source>Co&amp;lor</source>
        <translation>&amp;Color</translation>
    </message>
    <message>
        <source>Best &amp;Times...</source>
        <translation>Mejores &amp;tiempos...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;About Klandor</source>
        <translation>&amp;Acerca de Klandor</translation>
    </message>
    <message>
        <source>Tile &amp;Set</source>
        <translation>&amp;Aspecto de las casillas</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Color</translation>
    </message>
    <message>
        <source>&amp;Monochrome</source>
        <translation>&amp;Monocromo</translation>
    </message>
    <message>
        <source>&amp;Flat</source>
        <translation>&amp;Plano</translation>
    </message>
    <message>
        <source>&amp;Solid Color</source>
        <translation>Color &amp;sólido</translation>
    </message>
    <message>
        <source>S&amp;haded</source>
        <translation>S&amp;ombreado</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>Pa&amp;isaje</translation>
    </message>
    <message>
        <source>&amp;Dice</source>
        <translation>&amp;Dados</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Chording</source>
        <translation>&amp;Descubrir alrededor</translation>
    </message>
    <message>
        <source>Click &amp;Numbers to Chord</source>
        <translation>Clic en &amp;números para descubrir alrededor</translation>
    </message>
    <message>
        <source>&amp;Guess-Free Boards</source>
        <translation>Tableros sin &amp;adivinar</translation>
    </message>
    <message>
        <source>Remember &amp;Level and Look</source>
        <translation>&amp;Recordar nivel y aspecto</translation>
    </message>
    <message>
        <source>Keep &amp;Statistics</source>
        <translation>&amp;Guardar estadísticas</translation>
    </message>
    <message>
        <source>St&amp;atistics...</source>
        <translation>Esta&amp;dísticas...</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>Ha logrado el mejor tiempo de este nivel. Escriba su nombre:</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>¡Felicidades!</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Mejores tiempos</translation>
    </message>
    <message>
        <source>The best times could not be saved.

%1

They are kept until the game is closed.</source>
        <translation>No se han podido guardar los mejores tiempos.

%1

Se conservarán hasta que se cierre el juego.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>¿Restablecer?</translation>
    </message>
    <message>
        <source>The best times could not be saved: no folder for them is set (%1).

They are kept until the game is closed.</source>
        <translation>No se han podido guardar los mejores tiempos: no hay ninguna carpeta definida para ellos (%1).

Se conservarán hasta que se cierre el juego.</translation>
    </message>
    <message>
        <source>About Klandor</source>
        <translation>Acerca de Klandor</translation>
    </message>
    <message>
        <source>Guess-Free Boards</source>
        <translation>Tableros sin adivinar</translation>
    </message>
    <message>
        <source>No board of this size that logic alone solves was found in time, so this board may ask for a guess.</source>
        <translation>No se encontró a tiempo un tablero de este tamaño que se resuelva solo con lógica, así que este tablero puede requerir adivinar.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>The options could not be saved.

%1

They last until the game is closed.</source>
        <translation>No se pudieron guardar las opciones.

%1

Se mantienen hasta que se cierre el juego.</translation>
    </message>
    <message>
        <source>The best times could not be read, so no new record can be set until they can.

%1</source>
        <translation>No se han podido leer los mejores tiempos, así que no se puede establecer ningún récord nuevo hasta que se puedan leer.

%1</translation>
    </message>
    <message>
        <source>These best times could not be saved and are lost when the game closes:

%1</source>
        <translation>No se han podido guardar estos mejores tiempos y se perderán al cerrar el juego:

%1</translation>
    </message>
    <message>
        <source>Klandor %1. Uncover every cell that hides no mine, as fast as you can: the numbers tell how many mines touch each cell, the right button plants a flag, and the fastest time of each level is kept with its holder&apos;s name. Written by the Klandor developers.</source>
        <translation>Klandor %1. Descubra lo más rápido posible todas las casillas que no esconden una mina: los números indican cuántas minas tocan cada casilla, el botón derecho coloca una bandera y el mejor tiempo de cada nivel se guarda con el nombre de quien lo logró. Escrito por los desarrolladores de Klandor.</translation>
    </message>
</context>
<context>
    <name>klandor::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>A&amp;lto:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Ancho:</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Minas:</translation>
    </message>
</context>
<context>
    <name>klandor::Form4</name>
    <message>
        <source>Games played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Partidas ganadas</translation>
    </message>
    <message>
        <source>Won (%)</source>
        <translation>Ganadas (%)</translation>
    </message>
    <message>
        <source>Current streak</source>
        <translation>Racha actual</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Racha más larga</translation>
    </message>
    <message>
        <source>Best time (s)</source>
        <translation>Mejor tiempo (s)</translation>
    </message>
    <message>
        <source>Average time (s)</source>
        <translation>Tiempo medio (s)</translation>
    </message>
    <message>
        <source>Best 3BV/s</source>
        <translation>Mejor 3BV/s</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics</source>
        <translation>&amp;Borrar estadísticas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Fastest wins:</source>
        <translation>Victorias más &amp;rápidas:</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>3BV/s</source>
        <translation>3BV/s</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Keep Statistics is off: these are the games of this run only.</source>
        <translation>Guardar estadísticas está desactivado: solo se cuentan las partidas de esta sesión.</translation>
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
