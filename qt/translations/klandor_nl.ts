<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>BestTimesBackground</name>
    <message>
        <source>Fastest Klandors</source>
        <translation>Snelste spelers</translation>
    </message>
    <message>
        <source>Beginner:</source>
        <translation>Beginner:</translation>
    </message>
    <message>
        <source>Intermediate:</source>
        <translation>Gevorderd:</translation>
    </message>
    <message>
        <source>Expert:</source>
        <translation>Expert:</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>bedekt</translation>
    </message>
    <message>
        <source>flag</source>
        <translation>vlag</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mijn</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>ontplofte mijn</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>verkeerde vlag</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>vraagteken</translation>
    </message>
    <message>
        <source>1 mine around</source>
        <translation>1 aangrenzende mijn</translation>
    </message>
    <message numerus="yes">
        <source>%1 mines around</source>
        <translation>
            <numerusform>%1 aangrenzende mijn</numerusform>
            <numerusform>%1 aangrenzende mijnen</numerusform>
        </translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Resterende mijnen: %1</translation>
    </message>
    <message>
        <source>Time: 1 second</source>
        <translation>Tijd: 1 seconde</translation>
    </message>
    <message numerus="yes">
        <source>Time: %1 seconds</source>
        <translation>
            <numerusform>Tijd: %1 seconde</numerusform>
            <numerusform>Tijd: %1 seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Spel gewonnen</translation>
    </message>
    <message>
        <source>Game in play</source>
        <translation>Spel bezig</translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Spel verloren</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Rij %1, kolom %2</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Blootleggen</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Vlag</translation>
    </message>
    <message>
        <source>Uncovers the cell</source>
        <translation>Legt het vakje bloot</translation>
    </message>
    <message>
        <source>Puts a flag on the cell, or takes it off</source>
        <translation>Plaatst een vlag op het vakje of haalt hem weg</translation>
    </message>
    <message>
        <source>Minefield</source>
        <translation>Mijnenveld</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End, Page Up and Page Down move between the cells; Space or Enter uncovers a cell, F puts a flag on it or takes it off.</source>
        <translation>Pijltjestoetsen, Home, End, Page Up en Page Down gaan van vakje naar vakje; Spatie of Enter legt een vakje bloot, F plaatst er een vlag op of haalt hem weg.</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Omgeving blootleggen</translation>
    </message>
    <message>
        <source>Uncovers every cell around the number without a flag, when the flags around it match the number</source>
        <translation>Legt elk vakje zonder vlag rond het getal bloot, als de vlaggen eromheen met het getal overeenkomen</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Beginner</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Gevorderd</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Aangepast</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Beginner</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Gevorderd</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Expert</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>&amp;Aangepast...</translation>
    </message>
    <message>
        <source>&amp;Marks (?)</source>
        <translation>&amp;Markeringen (?)</translation>
    </message>
    <message>
        <source>Co&amp;lor</source>
        <translation>&amp;Kleur</translation>
    </message>
    <message>
        <source>Best &amp;Times...</source>
        <translation>Beste &amp;tijden...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Help-onderwerpen</translation>
    </message>
    <message>
        <source>&amp;About Klandor</source>
        <translation>&amp;Over Klandor</translation>
    </message>
    <message>
        <source>Tile &amp;Set</source>
        <translation>&amp;Vakjesstijl</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Kleur</translation>
    </message>
    <message>
        <source>&amp;Monochrome</source>
        <translation>&amp;Zwart-wit</translation>
    </message>
    <message>
        <source>&amp;Flat</source>
        <translation>&amp;Plat</translation>
    </message>
    <message>
        <source>&amp;Solid Color</source>
        <translation>&amp;Effen kleur</translation>
    </message>
    <message>
        <source>S&amp;haded</source>
        <translation>&amp;Gearceerd</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Landschap</translation>
    </message>
    <message>
        <source>&amp;Dice</source>
        <translation>&amp;Dobbelstenen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Chording</source>
        <translation>&amp;Omgeving blootleggen</translation>
    </message>
    <message>
        <source>Click &amp;Numbers to Chord</source>
        <translation>Klik op &amp;getal om omgeving bloot te leggen</translation>
    </message>
    <message>
        <source>&amp;Guess-Free Boards</source>
        <translation>Borden &amp;zonder gokken</translation>
    </message>
    <message>
        <source>Remember &amp;Level and Look</source>
        <translation>&amp;Niveau en stijl onthouden</translation>
    </message>
    <message>
        <source>Keep &amp;Statistics</source>
        <translation>&amp;Statistieken bijhouden</translation>
    </message>
    <message>
        <source>St&amp;atistics...</source>
        <translation>&amp;Statistieken...</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>Je hebt de snelste tijd voor dit niveau. Voer je naam in:</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Gefeliciteerd</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Beste tijden</translation>
    </message>
    <message>
        <source>The best times could not be saved.

%1

They are kept until the game is closed.</source>
        <translation>De beste tijden konden niet worden opgeslagen.

%1

Ze blijven bewaard tot het spel wordt afgesloten.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Weet je het zeker?</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Wissen?</translation>
    </message>
    <message>
        <source>The best times could not be saved: no folder for them is set (%1).

They are kept until the game is closed.</source>
        <translation>De beste tijden konden niet worden opgeslagen: er is geen map voor ingesteld (%1).

Ze blijven bewaard tot het spel wordt afgesloten.</translation>
    </message>
    <message>
        <source>About Klandor</source>
        <translation>Over Klandor</translation>
    </message>
    <message>
        <source>Guess-Free Boards</source>
        <translation>Borden zonder gokken</translation>
    </message>
    <message>
        <source>No board of this size that logic alone solves was found in time, so this board may ask for a guess.</source>
        <translation>Er is niet op tijd een bord van deze grootte gevonden dat met logica alleen op te lossen is, dus dit bord kan om gokken vragen.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>The options could not be saved.

%1

They last until the game is closed.</source>
        <translation>De opties konden niet worden opgeslagen.

%1

Ze gelden tot het spel wordt gesloten.</translation>
    </message>
    <message>
        <source>The best times could not be read, so no new record can be set until they can.

%1</source>
        <translation>De beste tijden konden niet worden gelezen, dus er kan geen nieuw record worden gevestigd tot dat weer lukt.

%1</translation>
    </message>
    <message>
        <source>These best times could not be saved and are lost when the game closes:

%1</source>
        <translation>Deze beste tijden konden niet worden opgeslagen en gaan verloren wanneer het spel wordt afgesloten:

%1</translation>
    </message>
    <message>
        <source>Klandor %1. Uncover every cell that hides no mine, as fast as you can: the numbers tell how many mines touch each cell, the right button plants a flag, and the fastest time of each level is kept with its holder&apos;s name. Written by the Klandor developers.</source>
        <translation>Klandor %1. Leg zo snel mogelijk elk vakje bloot waaronder geen mijn ligt: de getallen vertellen hoeveel mijnen aan een vakje grenzen, de rechtermuisknop plaatst een vlag, en de snelste tijd van elk niveau wordt bewaard met de naam van wie hem neerzette. Geschreven door de ontwikkelaars van Klandor.</translation>
    </message>
</context>
<context>
    <name>klandor::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds</source>
        <comment>a time of the table; %1 is the time field, three characters</comment>
        <translation>
            <numerusform>%1 seconde</numerusform>
            <numerusform>%1 seconden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>klandor::Form3</name>
    <message>
        <source>Custom Field</source>
        <translation>Aangepast speelveld</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hoogte</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breedte</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Mijnen</translation>
    </message>
</context>
<context>
    <name>klandor::Form4</name>
    <message>
        <source>Games played</source>
        <translation>Gespeelde spellen</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Gewonnen spellen</translation>
    </message>
    <message>
        <source>Won (%)</source>
        <translation>Gewonnen (%)</translation>
    </message>
    <message>
        <source>Current streak</source>
        <translation>Huidige reeks</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Langste reeks</translation>
    </message>
    <message>
        <source>Best time (s)</source>
        <translation>Beste tijd (s)</translation>
    </message>
    <message>
        <source>Average time (s)</source>
        <translation>Gemiddelde tijd (s)</translation>
    </message>
    <message>
        <source>Best 3BV/s</source>
        <translation>Beste 3BV/s</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics</source>
        <translation>Statistieken &amp;wissen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Fastest wins:</source>
        <translation>&amp;Snelste overwinningen:</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tijd (s)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>3BV/s</source>
        <translation>3BV/s</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Keep Statistics is off: these are the games of this run only.</source>
        <translation>Statistieken bijhouden staat uit: alleen de spellen van deze sessie tellen.</translation>
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
