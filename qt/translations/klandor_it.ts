<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>BestTimesBackground</name>
    <message>
        <source>Fastest Klandors</source>
        <translation>I più veloci</translation>
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
        <translation>Esperto:</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>coperta</translation>
    </message>
    <message>
        <source>flag</source>
        <translation>bandierina</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>mina esplosa</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>bandierina sbagliata</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>punto interrogativo</translation>
    </message>
    <message>
        <source>1 mine around</source>
        <translation>1 mina intorno</translation>
    </message>
    <message numerus="yes">
        <source>%1 mines around</source>
        <translation>
            <numerusform>%1 mina intorno</numerusform>
            <numerusform>%1 mine intorno</numerusform>
        </translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Mine rimaste: %1</translation>
    </message>
    <message>
        <source>Time: 1 second</source>
        <translation>Tempo: 1 secondo</translation>
    </message>
    <message numerus="yes">
        <source>Time: %1 seconds</source>
        <translation>
            <numerusform>Tempo: %1 secondo</numerusform>
            <numerusform>Tempo: %1 secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Partita vinta</translation>
    </message>
    <message>
        <source>Game in play</source>
        <translation>Partita in corso</translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Partita persa</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Riga %1, colonna %2</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Scopri</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Bandierina</translation>
    </message>
    <message>
        <source>Uncovers the cell</source>
        <translation>Scopre la casella</translation>
    </message>
    <message>
        <source>Puts a flag on the cell, or takes it off</source>
        <translation>Pianta una bandierina sulla casella o la toglie</translation>
    </message>
    <message>
        <source>Minefield</source>
        <translation>Campo minato</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End, Page Up and Page Down move between the cells; Space or Enter uncovers a cell, F puts a flag on it or takes it off.</source>
        <translation>Le frecce, Home, Fine, Pag su e Pag giù passano da una casella all&apos;altra; Spazio o Invio scopre una casella, F vi pianta una bandierina o la toglie.</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Scopri attorno</translation>
    </message>
    <message>
        <source>Uncovers every cell around the number without a flag, when the flags around it match the number</source>
        <translation>Scopre ogni casella senza bandierina attorno al numero, se le bandierine attorno corrispondono al numero</translation>
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
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
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
        <translation>&amp;Esperto</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>Pers&amp;onalizzato...</translation>
    </message>
    <message>
        <source>&amp;Marks (?)</source>
        <translation>&amp;Contrassegni (?)</translation>
    </message>
    <message>
        <source>Co&amp;lor</source>
        <translation>Co&amp;lori</translation>
    </message>
    <message>
        <source>Best &amp;Times...</source>
        <translation>&amp;Migliori tempi...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;sci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Argomenti della guida</translation>
    </message>
    <message>
        <source>&amp;About Klandor</source>
        <translation>&amp;Informazioni su Klandor</translation>
    </message>
    <message>
        <source>Tile &amp;Set</source>
        <translation>&amp;Tema delle caselle</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Colori</translation>
    </message>
    <message>
        <source>&amp;Monochrome</source>
        <translation>&amp;Monocromatico</translation>
    </message>
    <message>
        <source>&amp;Flat</source>
        <translation>&amp;Piatto</translation>
    </message>
    <message>
        <source>&amp;Solid Color</source>
        <translation>&amp;Tinta unita</translation>
    </message>
    <message>
        <source>S&amp;haded</source>
        <translation>&amp;Ombreggiato</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>Pae&amp;saggio</translation>
    </message>
    <message>
        <source>&amp;Dice</source>
        <translation>&amp;Dadi</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Op&amp;zioni</translation>
    </message>
    <message>
        <source>&amp;Chording</source>
        <translation>&amp;Scopri attorno</translation>
    </message>
    <message>
        <source>Click &amp;Numbers to Chord</source>
        <translation>Clic sui &amp;numeri per scoprire attorno</translation>
    </message>
    <message>
        <source>&amp;Guess-Free Boards</source>
        <translation>Griglie senza &amp;azzardo</translation>
    </message>
    <message>
        <source>Remember &amp;Level and Look</source>
        <translation>&amp;Ricorda livello e aspetto</translation>
    </message>
    <message>
        <source>Keep &amp;Statistics</source>
        <translation>&amp;Tieni statistiche</translation>
    </message>
    <message>
        <source>St&amp;atistics...</source>
        <translation>St&amp;atistiche...</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>Hai ottenuto il tempo migliore per questo livello. Inserisci il tuo nome:</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Congratulazioni</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Migliori tempi</translation>
    </message>
    <message>
        <source>The best times could not be saved.

%1

They are kept until the game is closed.</source>
        <translation>Non è stato possibile salvare i migliori tempi.

%1

Verranno conservati fino alla chiusura del gioco.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sei sicuro?</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Azzerare?</translation>
    </message>
    <message>
        <source>The best times could not be saved: no folder for them is set (%1).

They are kept until the game is closed.</source>
        <translation>Non è stato possibile salvare i migliori tempi: non è impostata alcuna cartella per essi (%1).

Verranno conservati fino alla chiusura del gioco.</translation>
    </message>
    <message>
        <source>About Klandor</source>
        <translation>Informazioni su Klandor</translation>
    </message>
    <message>
        <source>Guess-Free Boards</source>
        <translation>Griglie senza azzardo</translation>
    </message>
    <message>
        <source>No board of this size that logic alone solves was found in time, so this board may ask for a guess.</source>
        <translation>Non è stata trovata in tempo una griglia di queste dimensioni risolvibile con la sola logica: questa griglia può richiedere di tirare a indovinare.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>The options could not be saved.

%1

They last until the game is closed.</source>
        <translation>Impossibile salvare le opzioni.

%1

Restano valide fino alla chiusura del gioco.</translation>
    </message>
    <message>
        <source>The best times could not be read, so no new record can be set until they can.

%1</source>
        <translation>Non è stato possibile leggere i migliori tempi, quindi non si può stabilire nessun nuovo record finché non sarà possibile.

%1</translation>
    </message>
    <message>
        <source>These best times could not be saved and are lost when the game closes:

%1</source>
        <translation>Non è stato possibile salvare questi migliori tempi, che andranno persi alla chiusura del gioco:

%1</translation>
    </message>
    <message>
        <source>Klandor %1. Uncover every cell that hides no mine, as fast as you can: the numbers tell how many mines touch each cell, the right button plants a flag, and the fastest time of each level is kept with its holder&apos;s name. Written by the Klandor developers.</source>
        <translation>Klandor %1. Scopri il più in fretta possibile tutte le caselle che non nascondono una mina: i numeri indicano quante mine toccano ogni casella, il tasto destro pianta una bandierina e il tempo migliore di ogni livello viene conservato con il nome di chi l'ha ottenuto. Scritto dagli sviluppatori di Klandor.</translation>
    </message>
</context>
<context>
    <name>klandor::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <translation>&amp;Azzera</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds</source>
        <comment>a time of the table; %1 is the time field, three characters</comment>
        <translation>
            <numerusform>%1 secondo</numerusform>
            <numerusform>%1 secondi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>klandor::Form3</name>
    <message>
        <source>Custom Field</source>
        <translation>Campo personalizzato</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Altezza:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Base:</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Mine:</translation>
    </message>
</context>
<context>
    <name>klandor::Form4</name>
    <message>
        <source>Games played</source>
        <translation>Partite giocate</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Partite vinte</translation>
    </message>
    <message>
        <source>Won (%)</source>
        <translation>Vinte (%)</translation>
    </message>
    <message>
        <source>Current streak</source>
        <translation>Serie attuale</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Serie più lunga</translation>
    </message>
    <message>
        <source>Best time (s)</source>
        <translation>Tempo migliore (s)</translation>
    </message>
    <message>
        <source>Average time (s)</source>
        <translation>Tempo medio (s)</translation>
    </message>
    <message>
        <source>Best 3BV/s</source>
        <translation>3BV/s migliore</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics</source>
        <translation>&amp;Azzera statistiche</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Fastest wins:</source>
        <translation>Vittorie più &amp;rapide:</translation>
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
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Keep Statistics is off: these are the games of this run only.</source>
        <translation>Tieni statistiche è disattivato: sono contate solo le partite di questa sessione.</translation>
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
