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
    <name>klandor::ui::Form1</name>
    <message>
        <source>Klandor</source>
        <comment>the game&apos;s name</comment>
        <translation>Klandor</translation>
    </message>
    <message>
        <source>About Klandor</source>
        <translation>O programie Klandor</translation>
    </message>
    <message>
        <source>Klandor 1.0. Uncover every cell that hides no mine, as fast as you can: the numbers tell how many mines touch each cell, the right button plants a flag, and the fastest time of each level is kept with its holder&apos;s name. Written by the Klandor developers.</source>
        <translation>Klandor 1.0. Jak najszybciej odkryj wszystkie pola, pod którymi nie ma miny: liczby mówią, ile min sąsiaduje z danym polem, prawy przycisk stawia flagę, a najlepszy czas każdego poziomu zostaje zapisany wraz z imieniem jego zdobywcy. Napisane przez twórców Klandora.</translation>
    </message>
</context>
</TS>
