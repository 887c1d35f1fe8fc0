<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BestTimesBackground</name>
    <message>
        <source>Fastest Klandors</source>
        <translation>Die Schnellsten</translation>
    </message>
    <message>
        <source>Beginner:</source>
        <translation>Anfänger:</translation>
    </message>
    <message>
        <source>Intermediate:</source>
        <translation>Fortgeschrittene:</translation>
    </message>
    <message>
        <source>Expert:</source>
        <translation>Profis:</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>flag</source>
        <translation>Flagge</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>Mine</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>explodierte Mine</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>falsche Flagge</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>Fragezeichen</translation>
    </message>
    <message>
        <source>1 mine around</source>
        <translation>1 angrenzende Mine</translation>
    </message>
    <message numerus="yes">
        <source>%1 mines around</source>
        <translation>
            <numerusform>%1 angrenzende Mine</numerusform>
            <numerusform>%1 angrenzende Minen</numerusform>
        </translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Verbleibende Minen: %1</translation>
    </message>
    <message>
        <source>Time: 1 second</source>
        <translation>Zeit: 1 Sekunde</translation>
    </message>
    <message numerus="yes">
        <source>Time: %1 seconds</source>
        <translation>
            <numerusform>Zeit: %1 Sekunde</numerusform>
            <numerusform>Zeit: %1 Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Spiel gewonnen</translation>
    </message>
    <message>
        <source>Game in play</source>
        <translation>Spiel läuft</translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Spiel verloren</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Aufdecken</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Flagge</translation>
    </message>
    <message>
        <source>Uncovers the cell</source>
        <translation>Deckt das Feld auf</translation>
    </message>
    <message>
        <source>Puts a flag on the cell, or takes it off</source>
        <translation>Setzt eine Flagge auf das Feld oder entfernt sie</translation>
    </message>
    <message>
        <source>Minefield</source>
        <translation>Minenfeld</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End, Page Up and Page Down move between the cells; Space or Enter uncovers a cell, F puts a flag on it or takes it off.</source>
        <translation>Pfeiltasten, Pos1, Ende, Bild auf und Bild ab wechseln zwischen den Feldern; Leertaste oder Eingabetaste deckt ein Feld auf, F setzt eine Flagge darauf oder entfernt sie.</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Umgebung aufdecken</translation>
    </message>
    <message>
        <source>Uncovers every cell around the number without a flag, when the flags around it match the number</source>
        <translation>Deckt jedes Feld ohne Flagge rund um die Zahl auf, wenn die Flaggen ringsum der Zahl entsprechen</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Fortgeschrittene</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Profis</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Anfänger</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Fortgeschrittene</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Profis</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>&amp;Benutzerdefiniert...</translation>
    </message>
    <message>
        <source>&amp;Marks (?)</source>
        <translation>&amp;Markierungen (?)</translation>
    </message>
    <message>
        <source>Co&amp;lor</source>
        <translation>Fa&amp;rbe</translation>
    </message>
    <message>
        <source>Best &amp;Times...</source>
        <translation>Bes&amp;tzeiten...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About Klandor</source>
        <translation>Ü&amp;ber Klandor</translation>
    </message>
    <message>
        <source>Tile &amp;Set</source>
        <translation>Feld&amp;stil</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Farbe</translation>
    </message>
    <message>
        <source>&amp;Monochrome</source>
        <translation>&amp;Schwarzweiß</translation>
    </message>
    <message>
        <source>&amp;Flat</source>
        <translation>F&amp;lach</translation>
    </message>
    <message>
        <source>&amp;Solid Color</source>
        <translation>&amp;Vollfarbe</translation>
    </message>
    <message>
        <source>S&amp;haded</source>
        <translation>Sc&amp;hattiert</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>L&amp;andschaft</translation>
    </message>
    <message>
        <source>&amp;Dice</source>
        <translation>&amp;Würfel</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Chording</source>
        <translation>&amp;Umgebung aufdecken</translation>
    </message>
    <message>
        <source>Click &amp;Numbers to Chord</source>
        <translation>Umgebung per &amp;Zahlklick aufdecken</translation>
    </message>
    <message>
        <source>&amp;Guess-Free Boards</source>
        <translation>Felder &amp;ohne Raten</translation>
    </message>
    <message>
        <source>Remember &amp;Level and Look</source>
        <translation>&amp;Stufe und Aussehen merken</translation>
    </message>
    <message>
        <source>Keep &amp;Statistics</source>
        <translation>Statistik &amp;führen</translation>
    </message>
    <message>
        <source>St&amp;atistics...</source>
        <translation>Stat&amp;istik...</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>Sie haben die schnellste Zeit für diesen Schwierigkeitsgrad. Bitte geben Sie Ihren Namen ein:</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Herzlichen Glückwunsch</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Bestzeiten</translation>
    </message>
    <message>
        <source>The best times could not be saved.

%1

They are kept until the game is closed.</source>
        <translation>Die Bestzeiten konnten nicht gespeichert werden.

%1

Sie bleiben erhalten, bis das Spiel beendet wird.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Bestzeiten löschen?</translation>
    </message>
    <message>
        <source>The best times could not be saved: no folder for them is set (%1).

They are kept until the game is closed.</source>
        <translation>Die Bestzeiten konnten nicht gespeichert werden: Es ist kein Ordner für sie festgelegt (%1).

Sie bleiben erhalten, bis das Spiel beendet wird.</translation>
    </message>
    <message>
        <source>About Klandor</source>
        <translation>Über Klandor</translation>
    </message>
    <message>
        <source>Guess-Free Boards</source>
        <translation>Felder ohne Raten</translation>
    </message>
    <message>
        <source>No board of this size that logic alone solves was found in time, so this board may ask for a guess.</source>
        <translation>Für diese Feldgröße wurde nicht rechtzeitig ein Feld gefunden, das sich allein mit Logik lösen lässt; dieses Feld kann daher Raten erfordern.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>The options could not be saved.

%1

They last until the game is closed.</source>
        <translation>Die Optionen konnten nicht gespeichert werden.

%1

Sie gelten, bis das Spiel beendet wird.</translation>
    </message>
    <message>
        <source>The best times could not be read, so no new record can be set until they can.

%1</source>
        <translation>Die Bestzeiten konnten nicht gelesen werden; bis das wieder möglich ist, kann kein neuer Rekord aufgestellt werden.

%1</translation>
    </message>
    <message>
        <source>These best times could not be saved and are lost when the game closes:

%1</source>
        <translation>Diese Bestzeiten konnten nicht gespeichert werden und gehen verloren, wenn das Spiel beendet wird:

%1</translation>
    </message>
    <message>
        <source>Klandor %1. Uncover every cell that hides no mine, as fast as you can: the numbers tell how many mines touch each cell, the right button plants a flag, and the fastest time of each level is kept with its holder&apos;s name. Written by the Klandor developers.</source>
        <translation>Klandor %1. Decken Sie so schnell wie möglich jedes Feld auf, unter dem keine Mine liegt: Die Zahlen verraten, wie viele Minen an ein Feld grenzen, die rechte Maustaste setzt eine Flagge, und für jeden Schwierigkeitsgrad wird die schnellste Zeit mit dem Namen des Rekordhalters gespeichert. Geschrieben von den Klandor-Entwicklern.</translation>
    </message>
</context>
<context>
    <name>klandor::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds</source>
        <comment>a time of the table; %1 is the time field, three characters</comment>
        <translation>
            <numerusform>%1 Sekunde</numerusform>
            <numerusform>%1 Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>klandor::Form3</name>
    <message>
        <source>Custom Field</source>
        <translation>Benutzerdefiniertes Feld</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Minen:</translation>
    </message>
</context>
<context>
    <name>klandor::Form4</name>
    <message>
        <source>Games played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Gewonnene Spiele</translation>
    </message>
    <message>
        <source>Won (%)</source>
        <translation>Gewonnen (%)</translation>
    </message>
    <message>
        <source>Current streak</source>
        <translation>Aktuelle Serie</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Längste Serie</translation>
    </message>
    <message>
        <source>Best time (s)</source>
        <translation>Bestzeit (s)</translation>
    </message>
    <message>
        <source>Average time (s)</source>
        <translation>Durchschnitt (s)</translation>
    </message>
    <message>
        <source>Best 3BV/s</source>
        <translation>Beste 3BV/s</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics</source>
        <translation>Statistik &amp;löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Fastest wins:</source>
        <translation>&amp;Schnellste Siege:</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Zeit (s)</translation>
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
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Keep Statistics is off: these are the games of this run only.</source>
        <translation>Statistik führen ist aus: Hier zählen nur die Spiele dieser Sitzung.</translation>
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
