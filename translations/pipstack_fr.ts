<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Coach</name>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Coach</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Conseil</translation>
    </message>
    <message>
        <source>Computer &amp;Players</source>
        <translation>&amp;Joueurs ordinateur</translation>
    </message>
    <message>
        <source>Player &amp;%1</source>
        <translation>Joueur &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Strength</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>&amp;Perfect</source>
        <translation>&amp;Parfait</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Débutant</translation>
    </message>
    <message>
        <source>P&amp;ace</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lente</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rapide</translation>
    </message>
    <message>
        <source>&amp;Review Game</source>
        <translation>&amp;Analyser la partie</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <translation>La partie est terminée.</translation>
    </message>
    <message>
        <source>Roll: %1 expected at the end.</source>
        <translation>Lancez : %1 points attendus à la fin.</translation>
    </message>
    <message>
        <source>Score %1: %2 expected at the end.</source>
        <translation>Marquez %1 : %2 points attendus à la fin.</translation>
    </message>
    <message>
        <source>Roll all five dice: %1 expected at the end.</source>
        <translation>Relancez les cinq dés : %1 points attendus à la fin.</translation>
    </message>
    <message>
        <source>Keep %1 and roll: %2 expected at the end.</source>
        <translation>Gardez %1 et relancez : %2 points attendus à la fin.</translation>
    </message>
    <message>
        <source>Score %1 now: %2.</source>
        <translation>Marquer %1 maintenant : %2.</translation>
    </message>
    <message>
        <source>The coach is thinking.</source>
        <translation>Le coach réfléchit.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game for one to eight players: roll five dice up to three times a turn
and fill a scorecard of thirteen categories.</source>
        <translation>Un jeu de dés pour un à huit joueurs : lancez cinq dés jusqu&apos;à trois fois par tour
et remplissez une feuille de marque de treize cases.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>pipstack: %1 Try &apos;pipstack --help&apos;.</source>
        <extracomment>%1 says what is wrong; &quot;pipstack&quot; is the command typed, in every language.
----------
%1 is Qt&apos;s own message; &quot;pipstack&quot; is the command typed, in every language.</extracomment>
        <translation>pipstack : %1 Essayez « pipstack --help ».</translation>
    </message>
    <message>
        <source>pipstack: unexpected argument &apos;%1&apos;. Try &apos;pipstack --help&apos;.</source>
        <extracomment>&quot;pipstack&quot; is the command typed, in every language.</extracomment>
        <translation>pipstack : argument inattendu « %1 ». Essayez « pipstack --help ».</translation>
    </message>
    <message>
        <source>unknown category &apos;%1&apos; in --used; the categories are %2, or none.</source>
        <extracomment>--used: %1 is the word given, %2 the list of the names it takes.</extracomment>
        <translation>case inconnue « %1 » dans --used ; les cases sont %2, ou none.</translation>
    </message>
    <message>
        <source>category &apos;%1&apos; is named twice in --used.</source>
        <translation>la case « %1 » est nommée deux fois dans --used.</translation>
    </message>
    <message>
        <source>--dice must be five digits from 1 to 6, not &apos;%1&apos;.</source>
        <translation>--dice doit comporter cinq chiffres de 1 à 6, et non « %1 ».</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 est indiqué plusieurs fois.</translation>
    </message>
    <message>
        <source>score %1</source>
        <extracomment>Read by scripts: keep &quot;score&quot;; %1 is a category&apos;s name as --used takes it.</extracomment>
        <translation>score %1</translation>
    </message>
    <message>
        <source>keep nothing</source>
        <extracomment>Read by scripts: keep these words.</extracomment>
        <translation>keep nothing</translation>
    </message>
    <message>
        <source>keep %1</source>
        <extracomment>Read by scripts: keep &quot;keep&quot;; %1 is the faces kept, ascending, with spaces.</extracomment>
        <translation>keep %1</translation>
    </message>
    <message>
        <source>--%1 needs --advise.</source>
        <translation>--%1 nécessite --advise.</translation>
    </message>
    <message>
        <source>--upper must be a whole number from 0 to 105, not &apos;%1&apos;.</source>
        <translation>--upper doit être un nombre entier de 0 à 105, et non « %1 ».</translation>
    </message>
    <message>
        <source>the upper categories in --used cannot add up to %1 points.</source>
        <translation>les cases du haut dans --used ne peuvent pas totaliser %1 points.</translation>
    </message>
    <message>
        <source>--rolls-left needs --dice.</source>
        <translation>--rolls-left nécessite --dice.</translation>
    </message>
    <message>
        <source>--dice needs --rolls-left.</source>
        <translation>--dice nécessite --rolls-left.</translation>
    </message>
    <message>
        <source>--rolls-left must be 0, 1 or 2, not &apos;%1&apos;.</source>
        <translation>--rolls-left doit valoir 0, 1 ou 2, et non « %1 ».</translation>
    </message>
    <message>
        <source>every category is used in --used: there is nothing left to score.</source>
        <translation>toutes les cases sont utilisées dans --used : il ne reste rien à marquer.</translation>
    </message>
    <message>
        <source>Prints perfect play&apos;s expected points still to come (this turn&apos;s, later turns&apos; and the upper bonus), with no window; with --dice, every action, best first.</source>
        <translation>Affiche, sans fenêtre, les points que le jeu parfait peut encore espérer (ceux de ce tour, des tours suivants et du bonus du haut) ; avec --dice, chaque action, la meilleure d&apos;abord.</translation>
    </message>
    <message>
        <source>The categories already used, comma-separated: ones,twos,threes,fours,fives,sixes,3k,4k,fh,ss,ls,5k,chance, or none (the default).</source>
        <translation>Les cases déjà utilisées, séparées par des virgules : ones,twos,threes,fours,fives,sixes,3k,4k,fh,ss,ls,5k,chance, ou none (par défaut).</translation>
    </message>
    <message>
        <source>The upper section&apos;s points already scored, 0 to 105.</source>
        <translation>Les points déjà marqués dans la partie haute, de 0 à 105.</translation>
    </message>
    <message>
        <source>The five dice in hand, as five digits 1 to 6; needs --rolls-left.</source>
        <translation>Les cinq dés en main, en cinq chiffres de 1 à 6 ; nécessite --rolls-left.</translation>
    </message>
    <message>
        <source>The rolls still allowed after this one: 0, 1 or 2; needs --dice.</source>
        <translation>Les lancers encore permis après celui-ci : 0, 1 ou 2 ; nécessite --dice.</translation>
    </message>
    <message>
        <source>CATS</source>
        <translation>CASES</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>DDDDD</source>
        <translation>DDDDD</translation>
    </message>
    <message>
        <source>R</source>
        <translation>L</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>no permission</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>%1 could not be written: the folder %2 is not writable.</source>
        <translation>Impossible d&apos;écrire %1 : le dossier %2 est protégé en écriture.</translation>
    </message>
    <message>
        <source>%1 could not be written: its folder %2 does not exist.</source>
        <translation>Impossible d&apos;écrire %1 : son dossier %2 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>le disque a signalé une erreur</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk reported an error.</source>
        <translation>Impossible d&apos;écrire %1 : le disque a signalé une erreur.</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk is read-only.</source>
        <translation>Impossible d&apos;écrire %1 : le disque est en lecture seule.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>%1 could not be written: the disk is full.</source>
        <translation>Impossible d&apos;écrire %1 : le disque est plein.</translation>
    </message>
    <message>
        <source>%1 could not be written: Windows denied access to it or to its folder.</source>
        <translation>Impossible d&apos;écrire %1 : Windows a refusé l&apos;accès au fichier ou à son dossier.</translation>
    </message>
    <message>
        <source>%1 is read-only, so it was left as it is.</source>
        <translation>%1 est en lecture seule : il n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>another program is using it</source>
        <translation>un autre programme l&apos;utilise</translation>
    </message>
    <message>
        <source>%1 could not be written: another program is using it.</source>
        <translation>Impossible d&apos;écrire %1 : un autre programme l&apos;utilise.</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>erreur système %1</translation>
    </message>
    <message>
        <source>%1 could not be written (system error %2).</source>
        <translation>Impossible d&apos;écrire %1 (erreur système %2).</translation>
    </message>
    <message>
        <source>Windows error %1</source>
        <translation>erreur Windows %1</translation>
    </message>
    <message>
        <source>%1 could not be written (Windows error %2).</source>
        <translation>Impossible d&apos;écrire %1 (erreur Windows %2).</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: no lock file could be made beside it.</source>
        <translation>Impossible d&apos;écrire %1 : aucun fichier de verrou n&apos;a pu être créé à côté.</translation>
    </message>
    <message>
        <source>%1 could not be written: no lock file could be made beside it (%2).</source>
        <translation>Impossible d&apos;écrire %1 : aucun fichier de verrou n&apos;a pu être créé à côté (%2).</translation>
    </message>
    <message>
        <source>%1 could not be read, so it was left as it is.</source>
        <translation>Impossible de lire %1 : il n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2), so it was left as it is.</source>
        <translation>Impossible de lire %1 (%2) : il n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>%1 is being saved by another game, which has not finished.</source>
        <translation>%1 est en cours d&apos;enregistrement par une autre partie, qui n&apos;a pas terminé.</translation>
    </message>
    <message>
        <source>%1 could not be written: its lock file %2 is a folder.</source>
        <translation>Impossible d&apos;écrire %1 : son fichier de verrou %2 est un dossier.</translation>
    </message>
    <message>
        <source>The high scores were saved, but their lock file %1 could not be removed.</source>
        <translation>Les records ont été enregistrés, mais leur fichier de verrou %1 n&apos;a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>The high scores were saved, but their lock file %1 could not be removed (%2).</source>
        <translation>Les records ont été enregistrés, mais leur fichier de verrou %1 n&apos;a pas pu être supprimé (%2).</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file (it may be a pipe or a device), so it was left as it is.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire (c&apos;est peut-être un tube ou un périphérique) : il n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The high scores were saved. %1 held lines the game did not understand, so the file as it was is kept as %2.</source>
        <translation>Les records ont été enregistrés. %1 contenait des lignes que le jeu n&apos;a pas comprises : le fichier tel qu&apos;il était est conservé sous le nom %2.</translation>
    </message>
</context>
<context>
    <name>TextWriter</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>cardwords</name>
    <message>
        <source>Next &amp;Turn</source>
        <translation>&amp;Tour suivant</translation>
    </message>
    <message>
        <source>&amp;Roll %1</source>
        <translation>&amp;Lancer %1</translation>
    </message>
    <message>
        <source>Turn %1.</source>
        <translation>Tour %1.</translation>
    </message>
    <message>
        <source>Click for</source>
        <translation>Cliquez pour</translation>
    </message>
    <message>
        <source>roll #1.</source>
        <translation>le lancer 1.</translation>
    </message>
    <message>
        <source>Ready for</source>
        <translation>Prêt pour</translation>
    </message>
    <message>
        <source>roll #%1.</source>
        <translation>le lancer %1.</translation>
    </message>
    <message>
        <source>No more rolls. Please score your rolls.</source>
        <translation>Plus de lancers. Marquez vos points.</translation>
    </message>
    <message>
        <source>You earned</source>
        <translation>Vous gagnez</translation>
    </message>
    <message>
        <source>%1 Points.</source>
        <translation>%1 points.</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Cliquez sur</translation>
    </message>
    <message>
        <source>Next Turn.</source>
        <translation>Tour suivant.</translation>
    </message>
    <message>
        <source>%1: scored %2</source>
        <translation>%1 : %2 marqués</translation>
    </message>
    <message>
        <source>%1: %2 if scored</source>
        <translation>%1 : %2 si marqué</translation>
    </message>
    <message>
        <source>%1: open</source>
        <translation>%1 : libre</translation>
    </message>
    <message>
        <source>Die %1: not rolled</source>
        <translation>Dé %1 : pas lancé</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dé %1 : %2</translation>
    </message>
    <message>
        <source>%1 held</source>
        <translation>%1 gardé</translation>
    </message>
    <message>
        <source>No more rolls; score a box.</source>
        <translation>Plus de lancers ; marquez une case.</translation>
    </message>
    <message>
        <source>Ready for roll %1.</source>
        <translation>Prêt pour le lancer %1.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>You earned %1 point. </source>
        <translation>Vous gagnez %1 point. </translation>
    </message>
    <message>
        <source>You earned %1 points. </source>
        <translation>Vous gagnez %1 points. </translation>
    </message>
    <message>
        <source>Grand total %1. Next Turn.</source>
        <translation>Total final %1. Tour suivant.</translation>
    </message>
    <message>
        <source>Totals come after the last turn. Scored so far: %1.</source>
        <translation>Les totaux viennent après le dernier tour. Points marqués jusqu&apos;ici : %1.</translation>
    </message>
    <message>
        <source>Subtotal %1, Bonus %2, Total 1 %3, Total 2 %4, Grand Total %5.</source>
        <translation>Sous-total %1, bonus %2, total 1 %3, total 2 %4, total final %5.</translation>
    </message>
</context>
<context>
    <name>frmQuintix</name>
    <message>
        <source>Ones:</source>
        <translation>As&#xa0;:</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Twos:</source>
        <translation>Deux&#xa0;:</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Threes:</source>
        <translation>Trois&#xa0;:</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Fours:</source>
        <translation>Quatre&#xa0;:</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Fives:</source>
        <translation>Cinq&#xa0;:</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Sixes:</source>
        <translation>Six&#xa0;:</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>3 of a kind:</source>
        <translation>Brelan&#xa0;:</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>4 of a kind:</source>
        <translation>Carré&#xa0;:</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Full House:</source>
        <translation>Full&#xa0;:</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Petite suite</translation>
    </message>
    <message>
        <source>Large Straight:</source>
        <translation>Grande suite&#xa0;:</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Grande suite</translation>
    </message>
    <message>
        <source>Pipstack:</source>
        <translation>Pipstack&#xa0;:</translation>
    </message>
    <message>
        <source>Pipstack</source>
        <translation>Pipstack</translation>
    </message>
    <message>
        <source>Chance:</source>
        <translation>Chance&#xa0;:</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <comment>row caption</comment>
        <translation>Petite suite&#xa0;:</translation>
    </message>
    <message>
        <source>Quintix</source>
        <translation>Quintix</translation>
    </message>
    <message>
        <source>Subtotal:</source>
        <translation>Sous-total&#xa0;:</translation>
    </message>
    <message>
        <source>Bouns:</source>
        <translation>Bonus&#xa0;:</translation>
    </message>
    <message>
        <source>Total 1:</source>
        <translation>Total 1&#xa0;:</translation>
    </message>
    <message>
        <source>Total 2:</source>
        <translation>Total 2&#xa0;:</translation>
    </message>
    <message>
        <source>Grand Total:</source>
        <translation>Total final&#xa0;:</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, gardé</translation>
    </message>
    <message>
        <source>%1, let go</source>
        <translation>%1, relâché</translation>
    </message>
</context>
<context>
    <name>frmReview</name>
    <message>
        <source>perfect play scores %1</source>
        <translation>le jeu parfait marque %1</translation>
    </message>
    <message>
        <source>scored %1</source>
        <translation>a marqué %1</translation>
    </message>
    <message>
        <source>perfect play rolls all five dice</source>
        <translation>le jeu parfait relance les cinq dés</translation>
    </message>
    <message>
        <source>rolled all five dice</source>
        <translation>a relancé les cinq dés</translation>
    </message>
    <message>
        <source>perfect play keeps %1</source>
        <translation>le jeu parfait garde %1</translation>
    </message>
    <message>
        <source>kept %1</source>
        <translation>a gardé %1</translation>
    </message>
    <message>
        <source>Game Review</source>
        <translation>Analyse de la partie</translation>
    </message>
    <message>
        <source>Game review</source>
        <translation>Analyse de la partie</translation>
    </message>
    <message>
        <source>The coach is thinking.</source>
        <translation>Le coach réfléchit.</translation>
    </message>
    <message>
        <source>There is no game to review.</source>
        <translation>Il n&apos;y a pas de partie à analyser.</translation>
    </message>
    <message>
        <source>Player %1: %2 expected points lost in all.</source>
        <translation>Joueur %1 : %2 points attendus perdus au total.</translation>
    </message>
    <message>
        <source>Player %1: no decision cost half a point or more.</source>
        <translation>Joueur %1 : aucune décision n&apos;a coûté un demi-point ou plus.</translation>
    </message>
    <message>
        <source>Player %1, turn %2, roll %3: %4; %5; %6 points lost.</source>
        <translation>Joueur %1, tour %2, lancer %3 : %4 ; %5 ; %6 points perdus.</translation>
    </message>
    <message>
        <source>The computer plays every player: there is no one to review.</source>
        <translation>L&apos;ordinateur joue pour tous les joueurs : il n&apos;y a personne à analyser.</translation>
    </message>
</context>
<context>
    <name>frmScores</name>
    <message>
        <source>Waiting for another game to finish saving the high scores…</source>
        <translation>En attente qu&apos;une autre partie finisse d&apos;enregistrer les records…</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>(could not be read)</source>
        <translation>(illisible)</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>Do you really want to reset the scores?</source>
        <translation>Voulez-vous vraiment effacer les records ?</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ATTENTION</translation>
    </message>
    <message>
        <source>The high scores could not be saved.

%1</source>
        <translation>Les records n&apos;ont pas pu être enregistrés.

%1</translation>
    </message>
    <message>
        <source>The high scores could not be saved.

%1

Try again?</source>
        <translation>Les records n&apos;ont pas pu être enregistrés.

%1

Réessayer ?</translation>
    </message>
</context>
<context>
    <name>frmSummary</name>
    <message>
        <source>Summary</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Summary Of Scores</source>
        <translation>Résultats de la partie</translation>
    </message>
    <message>
        <source>High Score!</source>
        <translation>Record&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;View High Scores</source>
        <translation>&amp;Voir les records</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Player %1: </source>
        <translation>Joueur %1&#xa0;: </translation>
    </message>
    <message>
        <source>, a high score</source>
        <translation>, un record</translation>
    </message>
    <message>
        <source>Player %1, you scored a High Score!  Input your name:</source>
        <translation>Joueur %1, vous avez battu un record&#xa0;!  Entrez votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>(computer)</source>
        <translation>(ordinateur)</translation>
    </message>
    <message>
        <source>, played by the computer</source>
        <translation>, joué par l&apos;ordinateur</translation>
    </message>
</context>
<context>
    <name>mdiMain</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Next Turn &amp;Warning</source>
        <translation>&amp;Avertir au tour suivant</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>&amp;View High Scores</source>
        <translation>&amp;Voir les records</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Next Turn Warning now off.</source>
        <translation>Avertissement de tour désactivé.</translation>
    </message>
    <message>
        <source>Next Turn Warning now on.</source>
        <translation>Avertissement de tour activé.</translation>
    </message>
    <message>
        <source>How many players (1-8)?</source>
        <translation>Combien de joueurs (1-8)&#xa0;?</translation>
    </message>
    <message>
        <source>Number of Players</source>
        <translation>Nombre de joueurs</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>Player %1, it is your turn.</source>
        <translation>Joueur %1, c&apos;est à vous.</translation>
    </message>
</context>
<context>
    <name>platform::FocusButton</name>
    <message>
        <source>%1 push button.</source>
        <translation>Bouton %1.</translation>
    </message>
    <message>
        <source>%1 push button. %2</source>
        <translation>Bouton %1. %2</translation>
    </message>
</context>
</TS>
