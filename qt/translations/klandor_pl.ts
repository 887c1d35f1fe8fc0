<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>BestTimesBackground</name>
    <message>
        <source>Fastest Klandors</source>
        <translation>Najszybsi gracze</translation>
    </message>
    <message>
        <source>Beginner:</source>
        <translation>Początkujący:</translation>
    </message>
    <message>
        <source>Intermediate:</source>
        <translation>Zaawansowany:</translation>
    </message>
    <message>
        <source>Expert:</source>
        <translation>Ekspert:</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>zakryte</translation>
    </message>
    <message>
        <source>flag</source>
        <translation>flaga</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>zdetonowana mina</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>błędna flaga</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>znak zapytania</translation>
    </message>
    <message>
        <source>1 mine around</source>
        <translation>1 mina w sąsiedztwie</translation>
    </message>
    <message numerus="yes">
        <source>%1 mines around</source>
        <translation>
            <numerusform>%1 mina w sąsiedztwie</numerusform>
            <numerusform>%1 miny w sąsiedztwie</numerusform>
            <numerusform>%1 min w sąsiedztwie</numerusform>
        </translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Pozostałe miny: %1</translation>
    </message>
    <message>
        <source>Time: 1 second</source>
        <translation>Czas: 1 sekunda</translation>
    </message>
    <message numerus="yes">
        <source>Time: %1 seconds</source>
        <translation>
            <numerusform>Czas: %1 sekunda</numerusform>
            <numerusform>Czas: %1 sekundy</numerusform>
            <numerusform>Czas: %1 sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Gra wygrana</translation>
    </message>
    <message>
        <source>Game in play</source>
        <translation>Gra w toku</translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Gra przegrana</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Odkryj</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Flaga</translation>
    </message>
    <message>
        <source>Uncovers the cell</source>
        <translation>Odkrywa pole</translation>
    </message>
    <message>
        <source>Puts a flag on the cell, or takes it off</source>
        <translation>Stawia flagę na polu lub ją zdejmuje</translation>
    </message>
    <message>
        <source>Minefield</source>
        <translation>Pole minowe</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End, Page Up and Page Down move between the cells; Space or Enter uncovers a cell, F puts a flag on it or takes it off.</source>
        <translation>Strzałki, Home, End, Page Up i Page Down przechodzą między polami; Spacja lub Enter odkrywa pole, F stawia na nim flagę lub ją zdejmuje.</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Odkryj wokół</translation>
    </message>
    <message>
        <source>Uncovers every cell around the number without a flag, when the flags around it match the number</source>
        <translation>Odkrywa każde pole bez flagi wokół liczby, jeśli flagi dookoła odpowiadają tej liczbie</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Beginner</source>
        <translation>Początkujący</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Zaawansowany</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Niestandardowy</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Początkujący</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Zaawansowany</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Ekspert</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>Nie&amp;standardowy...</translation>
    </message>
    <message>
        <source>&amp;Marks (?)</source>
        <translation>&amp;Oznaczenia (?)</translation>
    </message>
    <message>
        <source>Co&amp;lor</source>
        <translation>Ko&amp;lor</translation>
    </message>
    <message>
        <source>Best &amp;Times...</source>
        <translation>Najlepsze &amp;czasy...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Tematy pomocy</translation>
    </message>
    <message>
        <source>&amp;About Klandor</source>
        <translation>&amp;O programie Klandor</translation>
    </message>
    <message>
        <source>Tile &amp;Set</source>
        <translation>&amp;Wygląd pól</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Kolorowy</translation>
    </message>
    <message>
        <source>&amp;Monochrome</source>
        <translation>&amp;Monochromatyczny</translation>
    </message>
    <message>
        <source>&amp;Flat</source>
        <translation>&amp;Płaski</translation>
    </message>
    <message>
        <source>&amp;Solid Color</source>
        <translation>&amp;Jednolity kolor</translation>
    </message>
    <message>
        <source>S&amp;haded</source>
        <translation>&amp;Cieniowany</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>Kraj&amp;obraz</translation>
    </message>
    <message>
        <source>&amp;Dice</source>
        <translation>Ko&amp;stki</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Opc&amp;je</translation>
    </message>
    <message>
        <source>&amp;Chording</source>
        <translation>&amp;Odkryj wokół</translation>
    </message>
    <message>
        <source>Click &amp;Numbers to Chord</source>
        <translation>Kliknięcie &amp;liczby odkrywa wokół</translation>
    </message>
    <message>
        <source>&amp;Guess-Free Boards</source>
        <translation>Plansze &amp;bez zgadywania</translation>
    </message>
    <message>
        <source>Remember &amp;Level and Look</source>
        <translation>&amp;Zapamiętaj poziom i wygląd</translation>
    </message>
    <message>
        <source>Keep &amp;Statistics</source>
        <translation>&amp;Prowadź statystyki</translation>
    </message>
    <message>
        <source>St&amp;atistics...</source>
        <translation>Sta&amp;tystyki...</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>Masz najlepszy czas na tym poziomie. Wpisz swoje imię:</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Gratulacje</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Najlepsze czasy</translation>
    </message>
    <message>
        <source>The best times could not be saved.

%1

They are kept until the game is closed.</source>
        <translation>Nie udało się zapisać najlepszych czasów.

%1

Zostaną zachowane do zamknięcia gry.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Czy na pewno?</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Wyzerować?</translation>
    </message>
    <message>
        <source>The best times could not be saved: no folder for them is set (%1).

They are kept until the game is closed.</source>
        <translation>Nie udało się zapisać najlepszych czasów: nie ustawiono dla nich folderu (%1).

Zostaną zachowane do zamknięcia gry.</translation>
    </message>
    <message>
        <source>About Klandor</source>
        <translation>O programie Klandor</translation>
    </message>
    <message>
        <source>Guess-Free Boards</source>
        <translation>Plansze bez zgadywania</translation>
    </message>
    <message>
        <source>No board of this size that logic alone solves was found in time, so this board may ask for a guess.</source>
        <translation>Nie znaleziono na czas planszy tej wielkości, którą da się rozwiązać samą logiką, więc ta plansza może wymagać zgadywania.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>The options could not be saved.

%1

They last until the game is closed.</source>
        <translation>Nie udało się zapisać opcji.

%1

Obowiązują do zamknięcia gry.</translation>
    </message>
    <message>
        <source>The best times could not be read, so no new record can be set until they can.

%1</source>
        <translation>Nie udało się odczytać najlepszych czasów, więc do czasu, aż będzie to możliwe, nie można ustanowić nowego rekordu.

%1</translation>
    </message>
    <message>
        <source>These best times could not be saved and are lost when the game closes:

%1</source>
        <translation>Nie udało się zapisać tych najlepszych czasów; zostaną utracone po zamknięciu gry:

%1</translation>
    </message>
    <message>
        <source>Klandor %1. Uncover every cell that hides no mine, as fast as you can: the numbers tell how many mines touch each cell, the right button plants a flag, and the fastest time of each level is kept with its holder&apos;s name. Written by the Klandor developers.</source>
        <translation>Klandor %1. Jak najszybciej odkryj wszystkie pola, pod którymi nie ma miny: liczby mówią, ile min sąsiaduje z danym polem, prawy przycisk stawia flagę, a najlepszy czas każdego poziomu zostaje zapisany wraz z imieniem jego zdobywcy. Napisane przez twórców Klandora.</translation>
    </message>
</context>
<context>
    <name>klandor::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <translation>&amp;Wyzeruj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds</source>
        <comment>a time of the table; %1 is the time field, three characters</comment>
        <translation>
            <numerusform>%1 sekunda</numerusform>
            <numerusform>%1 sekundy</numerusform>
            <numerusform>%1 sekund</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>klandor::Form3</name>
    <message>
        <source>Custom Field</source>
        <translation>Pole niestandardowe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Wys.:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Szer.:</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Miny:</translation>
    </message>
</context>
<context>
    <name>klandor::Form4</name>
    <message>
        <source>Games played</source>
        <translation>Rozegrane gry</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Wygrane gry</translation>
    </message>
    <message>
        <source>Won (%)</source>
        <translation>Wygrane (%)</translation>
    </message>
    <message>
        <source>Current streak</source>
        <translation>Obecna seria</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Najdłuższa seria</translation>
    </message>
    <message>
        <source>Best time (s)</source>
        <translation>Najlepszy czas (s)</translation>
    </message>
    <message>
        <source>Average time (s)</source>
        <translation>Średni czas (s)</translation>
    </message>
    <message>
        <source>Best 3BV/s</source>
        <translation>Najlepsze 3BV/s</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics</source>
        <translation>&amp;Wyczyść statystyki</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Fastest wins:</source>
        <translation>Najszybsze wy&amp;grane:</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Czas (s)</translation>
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
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Keep Statistics is off: these are the games of this run only.</source>
        <translation>Prowadzenie statystyk jest wyłączone: liczą się tylko gry z tej sesji.</translation>
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
