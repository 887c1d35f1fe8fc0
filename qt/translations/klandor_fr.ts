<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BestTimesBackground</name>
    <message>
        <source>Fastest Klandors</source>
        <translation>Les plus rapides</translation>
    </message>
    <message>
        <source>Beginner:</source>
        <translation>Débutant :</translation>
    </message>
    <message>
        <source>Intermediate:</source>
        <translation>Intermédiaire :</translation>
    </message>
    <message>
        <source>Expert:</source>
        <translation>Expert :</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>couverte</translation>
    </message>
    <message>
        <source>flag</source>
        <translation>drapeau</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mine</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>mine explosée</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>drapeau erroné</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>point d&apos;interrogation</translation>
    </message>
    <message>
        <source>1 mine around</source>
        <translation>1 mine autour</translation>
    </message>
    <message numerus="yes">
        <source>%1 mines around</source>
        <translation>
            <numerusform>%1 mine autour</numerusform>
            <numerusform>%1 mines autour</numerusform>
        </translation>
    </message>
    <message>
        <source>Mines left: %1</source>
        <translation>Mines restantes&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time: 1 second</source>
        <translation>Temps&#xa0;: 1 seconde</translation>
    </message>
    <message numerus="yes">
        <source>Time: %1 seconds</source>
        <translation>
            <numerusform>Temps&#xa0;: %1 seconde</numerusform>
            <numerusform>Temps&#xa0;: %1 secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Game won</source>
        <translation>Partie gagnée</translation>
    </message>
    <message>
        <source>Game in play</source>
        <translation>Partie en cours</translation>
    </message>
    <message>
        <source>Game lost</source>
        <translation>Partie perdue</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>Uncover</source>
        <translation>Découvrir</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Drapeau</translation>
    </message>
    <message>
        <source>Uncovers the cell</source>
        <translation>Découvre la case</translation>
    </message>
    <message>
        <source>Puts a flag on the cell, or takes it off</source>
        <translation>Pose un drapeau sur la case, ou l&apos;enlève</translation>
    </message>
    <message>
        <source>Minefield</source>
        <translation>Champ de mines</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End, Page Up and Page Down move between the cells; Space or Enter uncovers a cell, F puts a flag on it or takes it off.</source>
        <translation>Les flèches, Début, Fin, Page précédente et Page suivante passent d&apos;une case à l&apos;autre&#xa0;; Espace ou Entrée découvre une case, F y pose un drapeau ou l&apos;enlève.</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Découvrir autour</translation>
    </message>
    <message>
        <source>Uncovers every cell around the number without a flag, when the flags around it match the number</source>
        <translation>Découvre chaque case sans drapeau autour du nombre, si les drapeaux qui l&apos;entourent correspondent au nombre</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Débutant</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Intermédiaire</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Expert</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>&amp;Personnalisé...</translation>
    </message>
    <message>
        <source>&amp;Marks (?)</source>
        <translation>&amp;Marques (?)</translation>
    </message>
    <message>
        <source>Co&amp;lor</source>
        <translation>&amp;Couleur</translation>
    </message>
    <message>
        <source>Best &amp;Times...</source>
        <translation>Meilleurs &amp;temps...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About Klandor</source>
        <translation>À &amp;propos de Klandor</translation>
    </message>
    <message>
        <source>Tile &amp;Set</source>
        <translation>&amp;Style des cases</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Couleur</translation>
    </message>
    <message>
        <source>&amp;Monochrome</source>
        <translation>&amp;Monochrome</translation>
    </message>
    <message>
        <source>&amp;Flat</source>
        <translation>&amp;Plat</translation>
    </message>
    <message>
        <source>&amp;Solid Color</source>
        <translation>Couleurs &amp;unies</translation>
    </message>
    <message>
        <source>S&amp;haded</source>
        <translation>&amp;Ombré</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>P&amp;aysage</translation>
    </message>
    <message>
        <source>&amp;Dice</source>
        <translation>&amp;Dés</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Chording</source>
        <translation>&amp;Découvrir autour</translation>
    </message>
    <message>
        <source>Click &amp;Numbers to Chord</source>
        <translation>Clic sur un &amp;nombre pour découvrir autour</translation>
    </message>
    <message>
        <source>&amp;Guess-Free Boards</source>
        <translation>Grilles &amp;sans hasard</translation>
    </message>
    <message>
        <source>Remember &amp;Level and Look</source>
        <translation>&amp;Retenir le niveau et le style</translation>
    </message>
    <message>
        <source>Keep &amp;Statistics</source>
        <translation>Tenir des s&amp;tatistiques</translation>
    </message>
    <message>
        <source>St&amp;atistics...</source>
        <translation>St&amp;atistiques...</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>You have the fastest time for this level. Please type your name:</source>
        <translation>Vous avez réalisé le meilleur temps pour ce niveau. Veuillez entrer votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Félicitations</translation>
    </message>
    <message>
        <source>Best Times</source>
        <translation>Meilleurs temps</translation>
    </message>
    <message>
        <source>The best times could not be saved.

%1

They are kept until the game is closed.</source>
        <translation>Les meilleurs temps n&apos;ont pas pu être enregistrés.

%1

Ils sont conservés jusqu&apos;à la fermeture du jeu.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Êtes-vous sûr&#xa0;?</translation>
    </message>
    <message>
        <source>Reset?</source>
        <translation>Réinitialiser&#xa0;?</translation>
    </message>
    <message>
        <source>The best times could not be saved: no folder for them is set (%1).

They are kept until the game is closed.</source>
        <translation>Les meilleurs temps n&apos;ont pas pu être enregistrés&#xa0;: aucun dossier n&apos;est défini pour eux (%1).

Ils sont conservés jusqu&apos;à la fermeture du jeu.</translation>
    </message>
    <message>
        <source>About Klandor</source>
        <translation>À propos de Klandor</translation>
    </message>
    <message>
        <source>Guess-Free Boards</source>
        <translation>Grilles sans hasard</translation>
    </message>
    <message>
        <source>No board of this size that logic alone solves was found in time, so this board may ask for a guess.</source>
        <translation>Aucune grille de cette taille résoluble par la seule logique n’a été trouvée à temps : cette grille peut demander de deviner.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>The options could not be saved.

%1

They last until the game is closed.</source>
        <translation>Les options n’ont pas pu être enregistrées.

%1

Elles restent valables jusqu’à la fermeture du jeu.</translation>
    </message>
    <message>
        <source>The best times could not be read, so no new record can be set until they can.

%1</source>
        <translation>Les meilleurs temps n&apos;ont pas pu être lus&#xa0;: aucun nouveau record ne peut être établi tant qu&apos;ils ne peuvent pas l&apos;être.

%1</translation>
    </message>
    <message>
        <source>These best times could not be saved and are lost when the game closes:

%1</source>
        <translation>Ces meilleurs temps n&apos;ont pas pu être enregistrés et seront perdus à la fermeture du jeu&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Klandor %1. Uncover every cell that hides no mine, as fast as you can: the numbers tell how many mines touch each cell, the right button plants a flag, and the fastest time of each level is kept with its holder&apos;s name. Written by the Klandor developers.</source>
        <translation>Klandor %1. Découvrez le plus vite possible toutes les cases qui ne cachent pas de mine : les nombres indiquent combien de mines touchent chaque case, le bouton droit pose un drapeau, et le meilleur temps de chaque niveau est conservé avec le nom de son détenteur. Écrit par les développeurs de Klandor.</translation>
    </message>
</context>
<context>
    <name>klandor::Form2</name>
    <message>
        <source>&amp;Reset Scores</source>
        <translation>&amp;Réinitialiser</translation>
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
            <numerusform>%1 secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>klandor::Form3</name>
    <message>
        <source>Custom Field</source>
        <translation>Champ personnalisé</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hauteur</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Mines</translation>
    </message>
</context>
<context>
    <name>klandor::Form4</name>
    <message>
        <source>Games played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Parties gagnées</translation>
    </message>
    <message>
        <source>Won (%)</source>
        <translation>Gagnées (%)</translation>
    </message>
    <message>
        <source>Current streak</source>
        <translation>Série en cours</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Plus longue série</translation>
    </message>
    <message>
        <source>Best time (s)</source>
        <translation>Meilleur temps (s)</translation>
    </message>
    <message>
        <source>Average time (s)</source>
        <translation>Temps moyen (s)</translation>
    </message>
    <message>
        <source>Best 3BV/s</source>
        <translation>Meilleur 3BV/s</translation>
    </message>
    <message>
        <source>&amp;Reset Statistics</source>
        <translation>&amp;Effacer les statistiques</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Fastest wins:</source>
        <translation>Victoires les plus &amp;rapides :</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Temps (s)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>3BV/s</source>
        <translation>3BV/s</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Keep Statistics is off: these are the games of this run only.</source>
        <translation>Tenir des statistiques est désactivé : seules les parties de cette session sont comptées.</translation>
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
