<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Chart</name>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>N1 and N2 vs. time</source>
        <translation>N1 et N2 = f(t)</translation>
    </message>
    <message>
        <source>N1 and N2</source>
        <translation>N1 et N2</translation>
    </message>
    <message>
        <source>dN1 and dN2 vs. time</source>
        <translation>dN1 et dN2 = f(t)</translation>
    </message>
    <message>
        <source>dN1 and dN2</source>
        <translation>dN1 et dN2</translation>
    </message>
    <message>
        <source>N1 and dN1/dt vs. time</source>
        <translation>N1 et dN1/dt = f(t)</translation>
    </message>
    <message>
        <source>N1 and dN1</source>
        <translation>N1 et dN1</translation>
    </message>
    <message>
        <source>N2 and dN2 vs. time</source>
        <translation>N2 et dN2 = f(t)</translation>
    </message>
    <message>
        <source>N2 and dN2</source>
        <translation>N2 et dN2</translation>
    </message>
    <message>
        <source>N and dN/dt vs. time</source>
        <translation>N et dN/dt = f(t)</translation>
    </message>
    <message>
        <source>N1, dN1, N2 and dN2</source>
        <translation>N1, dN1, N2 et dN2</translation>
    </message>
    <message>
        <source>N2 vs. N1</source>
        <translation>N2 = f(N1)</translation>
    </message>
    <message>
        <source>N2 vs. N1 with isoclines</source>
        <translation>N2 = f(N1) avec isoclines</translation>
    </message>
    <message>
        <source>%1 (continuous)</source>
        <translation>%1 (continu)</translation>
    </message>
    <message>
        <source>Arrows: which way N1 and N2 change from each point; the longer the arrow, the faster the change (on a compressed scale).</source>
        <translation>Flèches : dans quel sens N1 et N2 changent à partir de chaque point ; plus la flèche est longue, plus le changement est rapide (sur une échelle comprimée).</translation>
    </message>
</context>
<context>
    <name>ChartActions</name>
    <message>
        <source>results</source>
        <extracomment>The name the spreadsheet&apos;s Save dialog suggests, without its ending.</extracomment>
        <translation>résultats</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message numerus="yes">
        <source>%1: %2 against %3, %n series</source>
        <translation>
            <numerusform>%1&#xa0;: %2 en fonction de %3, %n série</numerusform>
            <numerusform>%1&#xa0;: %2 en fonction de %3, %n séries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> of %n points each</source>
        <translation>
            <numerusform> de %n point chacune</numerusform>
            <numerusform> de %n points chacune</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>stable node</source>
        <translation>nœud stable</translation>
    </message>
    <message>
        <source>saddle</source>
        <translation>col</translation>
    </message>
    <message>
        <source>unstable node</source>
        <translation>nœud instable</translation>
    </message>
    <message>
        <source>stable focus</source>
        <translation>foyer stable</translation>
    </message>
    <message>
        <source>unstable focus</source>
        <translation>foyer instable</translation>
    </message>
    <message>
        <source>not decided by the eigenvalues</source>
        <translation>non décidé par les valeurs propres</translation>
    </message>
    <message>
        <source>Eigenvalues per day: %1 and %2</source>
        <translation>Valeurs propres par jour : %1 et %2</translation>
    </message>
    <message>
        <source>The one-day step keeps it stable.</source>
        <translation>Le pas d&apos;un jour le garde stable.</translation>
    </message>
    <message>
        <source>The one-day step does not keep it stable.</source>
        <translation>Le pas d&apos;un jour ne le garde pas stable.</translation>
    </message>
    <message>
        <source>Coexistence</source>
        <translation>Coexistence</translation>
    </message>
    <message>
        <source>A wins</source>
        <translation>A l&apos;emporte</translation>
    </message>
    <message>
        <source>B wins</source>
        <translation>B l&apos;emporte</translation>
    </message>
    <message>
        <source>Either wins,
by the start</source>
        <translation>Le départ
décide</translation>
    </message>
    <message>
        <source>Both species coexist: the isoclines cross at a stable equilibrium, because each species limits itself more than it limits the other.</source>
        <translation>Les deux espèces coexistent : les isoclines se croisent en un équilibre stable, car chaque espèce se limite elle-même plus qu&apos;elle ne limite l&apos;autre.</translation>
    </message>
    <message>
        <source>Species A wins: its isocline lies above B&apos;s everywhere.</source>
        <translation>L&apos;espèce A l&apos;emporte : son isocline est partout au-dessus de celle de B.</translation>
    </message>
    <message>
        <source>Species B wins: its isocline lies above A&apos;s everywhere.</source>
        <translation>L&apos;espèce B l&apos;emporte : son isocline est partout au-dessus de celle de A.</translation>
    </message>
    <message>
        <source>Either species wins, depending on the start: the isoclines cross at a saddle, and the separatrix divides the starts.</source>
        <translation>L&apos;une ou l&apos;autre espèce l&apos;emporte selon le départ : les isoclines se croisent en un col, et la séparatrice partage les départs.</translation>
    </message>
    <message>
        <source>It ends a line of equilibria: runs nearby stop on the line.</source>
        <translation>Il termine une ligne d&apos;équilibres : les trajectoires voisines s&apos;arrêtent sur la ligne.</translation>
    </message>
    <message>
        <source>Runs settle here, slowly.</source>
        <translation>Les trajectoires s&apos;y arrêtent, lentement.</translation>
    </message>
    <message>
        <source>Runs leave it, slowly.</source>
        <translation>Les trajectoires s&apos;en éloignent, lentement.</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>neutre</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>stable</translation>
    </message>
    <message>
        <source>unstable</source>
        <translation>instable</translation>
    </message>
    <message>
        <source>converging slowly</source>
        <translation>convergent lentement</translation>
    </message>
    <message>
        <source>(%1, %2): %3; for the equations %4, for one-day steps %5</source>
        <extracomment>an equilibrium: its place, its type, its stability for the equations and for one-day steps</extracomment>
        <translation>(%1, %2) : %3 ; pour les équations %4, pour les pas d&apos;un jour %5</translation>
    </message>
    <message>
        <source>Species A wins from every start with some A, slowly near (0, K2): its isocline lies above B&apos;s and touches it there.</source>
        <translation>L&apos;espèce A l&apos;emporte depuis tout départ qui compte un peu de A, lentement près de (0, K2) : son isocline est au-dessus de celle de B et la touche là.</translation>
    </message>
    <message>
        <source>Species A wins and settles slowly: its isocline lies above B&apos;s and touches it at (K1, 0), where A lives alone.</source>
        <translation>L&apos;espèce A l&apos;emporte et s&apos;établit lentement : son isocline est au-dessus de celle de B et la touche en (K1, 0), où A vit seule.</translation>
    </message>
    <message>
        <source>Species B wins from every start with some B, slowly near (K1, 0): its isocline lies above A&apos;s and touches it there.</source>
        <translation>L&apos;espèce B l&apos;emporte depuis tout départ qui compte un peu de B, lentement près de (K1, 0) : son isocline est au-dessus de celle de A et la touche là.</translation>
    </message>
    <message>
        <source>Species B wins and settles slowly: its isocline lies above A&apos;s and touches it at (0, K2), where B lives alone.</source>
        <translation>L&apos;espèce B l&apos;emporte et s&apos;établit lentement : son isocline est au-dessus de celle de A et la touche en (0, K2), où B vit seule.</translation>
    </message>
    <message>
        <source>Neither species wins: the isoclines lie on one another, every point of them is an equilibrium, and the run stops where it meets the line.</source>
        <translation>Aucune espèce ne l&apos;emporte : les isoclines sont confondues, chacun de leurs points est un équilibre, et la trajectoire s&apos;arrête là où elle rencontre la ligne.</translation>
    </message>
    <message>
        <source>Nobody wins</source>
        <translation>Personne ne l&apos;emporte</translation>
    </message>
    <message>
        <source>The one-day step converges to it, slowly.</source>
        <translation>Le pas d&apos;un jour y converge, lentement.</translation>
    </message>
    <message>
        <source>Isocline of A (dN1/dt = 0)</source>
        <translation>Isocline de A (dN1/dt = 0)</translation>
    </message>
    <message>
        <source>Isocline of B (dN2/dt = 0)</source>
        <translation>Isocline de B (dN2/dt = 0)</translation>
    </message>
    <message>
        <source>Line of equilibria</source>
        <translation>Ligne d&apos;équilibres</translation>
    </message>
    <message>
        <source>Separatrix</source>
        <translation>Séparatrice</translation>
    </message>
    <message>
        <source>Trajectories (the equations)</source>
        <translation>Trajectoires (les équations)</translation>
    </message>
    <message>
        <source>Daily steps</source>
        <translation>Pas quotidiens</translation>
    </message>
    <message>
        <source>Cursor at (%1, %2); the nearest equilibrium: %3</source>
        <extracomment>the keyboard cursor&apos;s place, then the nearest equilibrium as the list writes it</extracomment>
        <translation>Curseur en (%1, %2) ; l&apos;équilibre le plus proche : %3</translation>
    </message>
    <message>
        <source>Some trajectories end early: these constants make the equations too stiff to solve further in a moment.</source>
        <translation>Certaines trajectoires s&apos;arrêtent tôt : avec ces constantes, les équations sont trop raides pour être résolues plus loin en un instant.</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>%1: no problem found in its %2 tasks</source>
        <translation>%1 : aucun problème trouvé dans ses %2 tâches</translation>
    </message>
    <message>
        <source>Which lesson? vorlenza --check-lesson FILE…</source>
        <translation>Quelle leçon ? vorlenza --check-lesson FICHIER…</translation>
    </message>
    <message>
        <source>Which answers files? vorlenza --class-summary FILE…</source>
        <translation>Quels fichiers de réponses ? vorlenza --class-summary FICHIER…</translation>
    </message>
    <message>
        <source>the isoclines cross at a stable point, so both species live on together.</source>
        <translation>les isoclines se croisent en un point stable, donc les deux espèces vivent ensemble.</translation>
    </message>
    <message>
        <source>A&apos;s isocline lies above B&apos;s, so A wins.</source>
        <translation>l’isocline de A est au-dessus de celle de B, donc A gagne.</translation>
    </message>
    <message>
        <source>B&apos;s isocline lies above A&apos;s, so B wins.</source>
        <translation>l’isocline de B est au-dessus de celle de A, donc B gagne.</translation>
    </message>
    <message>
        <source>the isoclines cross at a saddle, so where the run starts decides who wins.</source>
        <translation>les isoclines se croisent en un col, donc le point de départ décide qui gagne.</translation>
    </message>
    <message>
        <source>the isoclines lie on one another, so nobody wins.</source>
        <translation>les isoclines sont confondues, donc personne ne gagne.</translation>
    </message>
    <message>
        <source>alpha = %1 %2 K1/K2 = %3 and beta = %4 %5 K2/K1 = %6: %7</source>
        <translation>alpha = %1 %2 K1/K2 = %3 et beta = %4 %5 K2/K1 = %6 : %7</translation>
    </message>
    <message>
        <source>On day %1 the run has N1 = %2 and N2 = %3.</source>
        <translation>Au jour %1, la simulation donne N1 = %2 et N2 = %3.</translation>
    </message>
    <message>
        <source>Up to day %1 species %2 grows to %3 at most; the task asks for more than %4.</source>
        <translation>Jusqu’au jour %1, l’espèce %2 atteint au plus %3 ; la tâche demande plus de %4.</translation>
    </message>
    <message>
        <source>The run with these values fails, so there are no one-day steps to compare.</source>
        <translation>La simulation échoue avec ces valeurs : il n’y a pas de pas d’un jour à comparer.</translation>
    </message>
    <message>
        <source>On day %1 the one-day steps give N1 = %2 and N2 = %3, the equations N1 = %4 and N2 = %5: the steps mislead.</source>
        <translation>Au jour %1, les pas d’un jour donnent N1 = %2 et N2 = %3, les équations N1 = %4 et N2 = %5 : les pas trompent.</translation>
    </message>
    <message>
        <source>The one-day steps follow the equations closely (r1 = %1, r2 = %2).</source>
        <translation>Les pas d’un jour suivent de près les équations (r1 = %1, r2 = %2).</translation>
    </message>
    <message>
        <source>This run has no such value to read.</source>
        <translation>Cette simulation n’a pas de telle valeur à lire.</translation>
    </message>
    <message>
        <source>The run gives %1; an answer within %2 of it is right.</source>
        <translation>La simulation donne %1 ; une réponse à %2 près est juste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>« %1 » n’est pas un nombre.</translation>
    </message>
    <message>
        <source>it is missing: this is a scenario, not a lesson</source>
        <translation>elle manque : c’est un scénario, pas une leçon</translation>
    </message>
    <message>
        <source>it is missing or does not hold what it must</source>
        <translation>elle manque ou ne contient pas ce qu’il faut</translation>
    </message>
    <message>
        <source>“%1” is not what it must hold</source>
        <translation>« %1 » n’est pas ce qu’elle doit contenir</translation>
    </message>
    <message>
        <source>this entry means nothing here</source>
        <translation>cette entrée n’a pas de sens ici</translation>
    </message>
    <message>
        <source>the kind “%1” is none of predict, reach, read and explain</source>
        <translation>le type « %1 » n’est ni predict, ni reach, ni read, ni explain</translation>
    </message>
    <message>
        <source>“%1” is none of the names this entry takes</source>
        <translation>« %1 » n’est aucun des noms que cette entrée accepte</translation>
    </message>
    <message>
        <source>“%1” names none of the nine values (r1, N1(0), K1, alpha, r2, N2(0), K2, beta, T)</source>
        <translation>« %1 » ne désigne aucune des neuf valeurs (r1, N1(0), K1, alpha, r2, N2(0), K2, beta, T)</translation>
    </message>
    <message>
        <source>the tolerance “%1” is not a number</source>
        <translation>la tolérance « %1 » n’est pas un nombre</translation>
    </message>
    <message>
        <source>it must be a number greater than 0, not “%1”</source>
        <translation>elle doit être un nombre supérieur à 0, pas « %1 »</translation>
    </message>
    <message>
        <source>it must be a whole day from 0 to %1, not “%2”</source>
        <translation>elle doit être un jour entier de 0 à %1, pas « %2 »</translation>
    </message>
    <message>
        <source>%1 is a value that %2 does not take</source>
        <translation>%1 est une valeur que %2 n’accepte pas</translation>
    </message>
    <message>
        <source>the isoclines lie on one another with these values, so no outcome is right</source>
        <translation>avec ces valeurs les isoclines sont confondues, donc aucune issue n’est juste</translation>
    </message>
    <message>
        <source>the isoclines do not cross inside the quadrant with these values, so there is no equilibrium to read</source>
        <translation>avec ces valeurs les isoclines ne se croisent pas dans le quadrant : il n’y a pas d’équilibre à lire</translation>
    </message>
    <message>
        <source>a reach task needs exactly one of “outcome”, “above” and “steps”</source>
        <translation>une tâche reach demande exactement une entrée parmi « outcome », « above » et « steps »</translation>
    </message>
    <message>
        <source>task %1</source>
        <translation>tâche %1</translation>
    </message>
    <message>
        <source>entry “%1”</source>
        <translation>entrée « %1 »</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>le fichier</translation>
    </message>
    <message>
        <source>the lesson</source>
        <translation>la leçon</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>where a lesson&apos;s problem is (&quot;task 3, entry “tolerance”&quot;), then what it is</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>it is not a Vorlenza answers file</source>
        <translation>ce n’est pas un fichier de réponses Vorlenza</translation>
    </message>
    <message>
        <source>the entry “%1” does not hold what it must</source>
        <translation>l’entrée « %1 » ne contient pas ce qu’il faut</translation>
    </message>
    <message>
        <source>“%1” is left out: %2.</source>
        <translation>« %1 » est laissé de côté : %2.</translation>
    </message>
    <message>
        <source>“%1” is left out: it holds answers to another lesson (“%2”), not to “%3”.</source>
        <translation>« %1 » est laissé de côté : il contient les réponses à une autre leçon (« %2 »), pas à « %3 ».</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>Tâche %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Species A</source>
        <translation>Espèce A</translation>
    </message>
    <message>
        <source>Species B</source>
        <translation>Espèce B</translation>
    </message>
    <message>
        <source>Both species coexist</source>
        <translation>Les deux espèces coexistent</translation>
    </message>
    <message>
        <source>Species A wins</source>
        <translation>L’espèce A gagne</translation>
    </message>
    <message>
        <source>Species B wins</source>
        <translation>L’espèce B gagne</translation>
    </message>
    <message>
        <source>The start decides</source>
        <translation>Le départ décide</translation>
    </message>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>fausse</translation>
    </message>
    <message>
        <source>kept for the teacher</source>
        <translation>gardée pour l’enseignant</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>non vérifiée</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nom : %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date : %1</translation>
    </message>
    <message>
        <source>Right: %1 of %2 marked</source>
        <translation>Justes : %1 sur %2 notées</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Réponse : %1</translation>
    </message>
    <message>
        <source>Mark: %1</source>
        <translation>Note : %1</translation>
    </message>
    <message>
        <source>the worksheet&apos;s page could not be started</source>
        <translation>la page de la fiche n’a pas pu être commencée</translation>
    </message>
</context>
<context>
    <name>PointReadout</name>
    <message>
        <source>Day %1: %2</source>
        <translation>Jour %1 : %2</translation>
    </message>
    <message>
        <source>Continuous solution: %1</source>
        <translation>Solution continue : %1</translation>
    </message>
</context>
<context>
    <name>PrintQueue</name>
    <message>
        <source>the printer does not accept jobs</source>
        <translation>l&apos;imprimante n&apos;accepte pas de travaux</translation>
    </message>
    <message>
        <source>the print system gave no reason</source>
        <translation>le système d&apos;impression n&apos;a donné aucune raison</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>The file name “%1” is too short. The results file is named after it with its last four characters replaced by “%2”, so please choose a name of at least four characters, such as results.txt. Nothing was saved.</source>
        <translation>Le nom de fichier «&#xa0;%1&#xa0;» est trop court. Le fichier de résultats porte ce nom, dont les quatre derniers caractères sont remplacés par «&#xa0;%2&#xa0;»&#xa0;: choisissez donc un nom d&apos;au moins quatre caractères, par exemple résultats.txt. Rien n&apos;a été enregistré.</translation>
    </message>
</context>
<context>
    <name>ResultsSpreadsheet</name>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Isocline A</source>
        <translation>Isocline A</translation>
    </message>
    <message>
        <source>Isocline B</source>
        <translation>Isocline B</translation>
    </message>
    <message>
        <source>the spreadsheet made in the temporary folder could not be read (%1)</source>
        <translation>le classeur créé dans le dossier temporaire n&apos;a pas pu être lu (%1)</translation>
    </message>
    <message>
        <source>Results file (*)</source>
        <translation>Fichier de résultats (*)</translation>
    </message>
    <message>
        <source>Spreadsheet (*.xlsx)</source>
        <translation>Classeur (*.xlsx)</translation>
    </message>
    <message>
        <source>in the temporary folder “%1”, %2</source>
        <translation>dans le dossier temporaire «&#xa0;%1&#xa0;», %2</translation>
    </message>
    <message>
        <source>no temporary folder could be made in “%1” (%2)</source>
        <translation>aucun dossier temporaire n&apos;a pu être créé dans «&#xa0;%1&#xa0;» (%2)</translation>
    </message>
    <message>
        <source>the part of Vorlenza that makes spreadsheets (%1) could not be loaded (%2); installing Vorlenza again brings it back</source>
        <translation>la partie de Vorlenza qui crée les classeurs (%1) n’a pas pu être chargée (%2) ; réinstaller Vorlenza la rétablit</translation>
    </message>
</context>
<context>
    <name>RunFailure</name>
    <message>
        <source>the simulation length</source>
        <translation>la durée de la simulation</translation>
    </message>
    <message>
        <source>the carrying capacity of species A (K1)</source>
        <translation>la capacité de charge de l&apos;espèce A (K1)</translation>
    </message>
    <message>
        <source>the carrying capacity of species B (K2)</source>
        <translation>la capacité de charge de l&apos;espèce B (K2)</translation>
    </message>
    <message>
        <source>constant a</source>
        <translation>la constante a</translation>
    </message>
    <message>
        <source>constant b</source>
        <translation>la constante b</translation>
    </message>
    <message>
        <source>the intrinsic rate of species A (r)</source>
        <translation>le taux d&apos;accroissement intrinsèque de l&apos;espèce A (r)</translation>
    </message>
    <message>
        <source>the intrinsic rate of species B (s)</source>
        <translation>le taux d&apos;accroissement intrinsèque de l&apos;espèce B (s)</translation>
    </message>
    <message>
        <source>the initial size of species A</source>
        <translation>l&apos;effectif initial de l&apos;espèce A</translation>
    </message>
    <message>
        <source>the initial size of species B</source>
        <translation>l&apos;effectif initial de l&apos;espèce B</translation>
    </message>
    <message>
        <source>a value</source>
        <translation>une valeur</translation>
    </message>
    <message>
        <source>The simulation length must be a whole number of days from 1 to %1.</source>
        <translation>La durée de la simulation doit être un nombre entier de jours, de 1 à %1.</translation>
    </message>
    <message>
        <source>%1 is too large to compute with.</source>
        <translation>%1 dépasse ce que le calcul peut traiter.</translation>
    </message>
    <message>
        <source>%1 must not be 0.</source>
        <translation>%1 ne doit pas valoir 0.</translation>
    </message>
    <message>
        <source>The populations grew too large to compute on day %1. Try smaller growth rates.</source>
        <translation>Au jour %1, les populations sont devenues trop grandes pour le calcul. Essayez des taux d&apos;accroissement plus petits.</translation>
    </message>
    <message>
        <source>The isoclines cannot be computed with these values. Try a larger constant a or b.</source>
        <translation>Les isoclines ne peuvent pas être calculées avec ces valeurs. Essayez une constante a ou b plus grande.</translation>
    </message>
</context>
<context>
    <name>Scenario</name>
    <message>
        <source>Vorlenza scenarios (*.vorlenza)</source>
        <translation>Scénarios Vorlenza (*.vorlenza)</translation>
    </message>
    <message>
        <source>“%1” (%2)</source>
        <extracomment>a field of the main window by its label, then the value&apos;s name in a scenario file</extracomment>
        <translation>« %1 » (%2)</translation>
    </message>
    <message>
        <source>the entry “chart” names none of the main window&apos;s charts</source>
        <translation>l’entrée « chart » ne nomme aucun des graphiques de la fenêtre principale</translation>
    </message>
    <message>
        <source>the entry “%1” must be a text of at most %2 characters, or such texts by language</source>
        <translation>l’entrée « %1 » doit être un texte d’au plus %2 caractères, ou de tels textes par langue</translation>
    </message>
    <message>
        <source>the entry “lab.starts” must be a list of at most %1 starts [N1, N2] of numbers 0 or more</source>
        <translation>l’entrée « lab.starts » doit être une liste d’au plus %1 départs [N1, N2] de nombres positifs ou nuls</translation>
    </message>
    <message>
        <source>the entry “%1” must be a group of entries in braces { }</source>
        <translation>l’entrée « %1 » doit être un groupe d’entrées entre accolades { }</translation>
    </message>
    <message>
        <source>the entry “%1” must be true or false</source>
        <translation>l’entrée « %1 » doit valoir true ou false</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>the file is not there (any more)</source>
        <translation>le fichier n’existe pas (ou plus)</translation>
    </message>
    <message>
        <source>you may not read it (no permission)</source>
        <translation>vous n’avez pas le droit de le lire (permission refusée)</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>il n’a pas pu être lu (%1)</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, far more than any scenario holds</source>
        <translation>il dépasse %1 Mo, bien plus que ne contient un scénario</translation>
    </message>
    <message>
        <source>it is not a scenario: at line %1, column %2 its text is not JSON (%3)</source>
        <translation>ce n’est pas un scénario : à la ligne %1, colonne %2, son texte n’est pas du JSON (%3)</translation>
    </message>
    <message>
        <source>it is not a Vorlenza scenario</source>
        <translation>ce n’est pas un scénario Vorlenza</translation>
    </message>
    <message>
        <source>it was saved by a newer Vorlenza (scenario version %1; this one reads versions up to %2)</source>
        <translation>il a été enregistré par un Vorlenza plus récent (version de scénario %1 ; celui-ci lit les versions jusqu’à %2)</translation>
    </message>
    <message>
        <source>it gives no value for %1</source>
        <translation>il ne donne aucune valeur pour %1</translation>
    </message>
    <message>
        <source>the value for %1 is not a number</source>
        <translation>la valeur de %1 n’est pas un nombre</translation>
    </message>
    <message>
        <source>the value for %1 must be a whole number of days from 1 to %2</source>
        <translation>la valeur de %1 doit être un nombre entier de jours de 1 à %2</translation>
    </message>
    <message>
        <source>the value for %1 must be a number greater than 0</source>
        <translation>la valeur de %1 doit être un nombre supérieur à 0</translation>
    </message>
    <message>
        <source>scenario</source>
        <extracomment>the name the scenario&apos;s save dialog suggests when the scenario has no title, without its ending</extracomment>
        <translation>scénario</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language as scenario files name their texts by language: de, fr, es, pt_BR or zh_CN. Left &quot;en&quot;, the texts are taken in English.</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>The scenario “%1” could not be opened: %2.</source>
        <translation>Le scénario « %1 » n’a pas pu être ouvert : %2.</translation>
    </message>
    <message>
        <source>The scenario “%1” was not opened. %2</source>
        <extracomment>the file, then why its run failed, in a sentence of its own</extracomment>
        <translation>Le scénario « %1 » n’a pas été ouvert. %2</translation>
    </message>
    <message>
        <source>The scenario could not be saved: %1.</source>
        <translation>Le scénario n’a pas pu être enregistré : %1.</translation>
    </message>
    <message>
        <source>Sa&amp;ve scenario…</source>
        <translation>Enregistrer le &amp;scénario…</translation>
    </message>
    <message>
        <source>&amp;Open scenario…</source>
        <translation>&amp;Ouvrir un scénario…</translation>
    </message>
    <message>
        <source>&amp;Examples</source>
        <translation>E&amp;xemples</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Save as PDF…</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>The name “%1” cannot be used: a file name here may not hold the character &quot;. Nothing was saved.</source>
        <translation>Le nom « %1 » ne peut pas être utilisé : un nom de fichier ne peut pas contenir ici le caractère &quot;. Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>Save scenario</source>
        <translation>Enregistrer le scénario</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>&amp;Note for the students:</source>
        <translation>&amp;Note pour les élèves :</translation>
    </message>
    <message>
        <source>Open scenario</source>
        <translation>Ouvrir un scénario</translation>
    </message>
    <message>
        <source>Save my answers</source>
        <translation>Enregistrer mes réponses</translation>
    </message>
    <message>
        <source>&amp;Your name:</source>
        <translation>&amp;Ton nom :</translation>
    </message>
</context>
<context>
    <name>StepNotice</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>One-day steps are too coarse for %1: the smallest push drives the daily run away from %2, where the equations settle.</source>
        <translation>Des pas d’un jour sont trop grossiers pour %1 : la moindre poussée éloigne le calcul jour par jour de %2, où les équations se stabilisent.</translation>
    </message>
    <message>
        <source>One-day steps are too coarse for %1: the daily run settles at %2, the equations at %3.</source>
        <translation>Des pas d’un jour sont trop grossiers pour %1 : le calcul jour par jour se stabilise à %2, les équations à %3.</translation>
    </message>
    <message>
        <source>One-day steps are too coarse for %1: on day %2 the daily run is at %3, the equations at %4.</source>
        <translation>Des pas d’un jour sont trop grossiers pour %1 : au jour %2, le calcul jour par jour est à %3, les équations à %4.</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>the chart could not be drawn</source>
        <translation>le graphique n’a pas pu être dessiné</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>aucun nom de fichier n&apos;a été donné</translation>
    </message>
    <message>
        <source>the name contains a character that is not allowed in file names</source>
        <translation>le nom contient un caractère interdit dans les noms de fichiers</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>le nom du fichier est trop long</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>le chemin est trop long</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a file</source>
        <translation>«&#xa0;%1&#xa0;» est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>“%1” is a file, not a folder</source>
        <translation>«&#xa0;%1&#xa0;» est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>the folder “%1” does not exist</source>
        <translation>le dossier «&#xa0;%1&#xa0;» n&apos;existe pas</translation>
    </message>
    <message>
        <source>you may not write in the folder “%1” (no permission)</source>
        <translation>vous n&apos;avez pas le droit d&apos;écrire dans le dossier «&#xa0;%1&#xa0;» (pas d’autorisation)</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>it would be larger than the file size limit of this account (%1 bytes)</source>
        <translation>il dépasserait la limite de taille de fichier de ce compte (%1 octets)</translation>
    </message>
    <message>
        <source>not all of it could be written, perhaps because the disk is full</source>
        <translation>tout n&apos;a pas pu être écrit, peut-être parce que le disque est plein</translation>
    </message>
    <message>
        <source>; any earlier file of that name is unchanged</source>
        <translation>&#xa0;; tout fichier antérieur de ce nom reste inchangé</translation>
    </message>
    <message>
        <source>the file could not be created (%1)</source>
        <translation>le fichier n&apos;a pas pu être créé (%1)</translation>
    </message>
    <message>
        <source>the new file could not take the place of the earlier one; the earlier file is unchanged</source>
        <translation>le nouveau fichier n’a pas pu remplacer l’ancien ; l’ancien fichier est inchangé</translation>
    </message>
    <message>
        <source>The file “%1” could not be saved: %2.</source>
        <translation>Le fichier « %1 » n’a pas pu être enregistré : %2.</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>The printer “%1” did not take the page: %2. Let the printer accept jobs again, or set up another printer as the default printer of this computer, then try again.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas accepté la page&#xa0;: %2. Faites de nouveau accepter les travaux à l&apos;imprimante, ou définissez une autre imprimante par défaut sur cet ordinateur, puis réessayez.</translation>
    </message>
    <message>
        <source>No printer is set up. Set up a printer as the default printer of this computer, then try again.</source>
        <translation>Aucune imprimante n&apos;est configurée. Définissez une imprimante par défaut sur cet ordinateur, puis réessayez.</translation>
    </message>
    <message>
        <source>The window could not be printed.</source>
        <translation>Impossible d&apos;imprimer la fenêtre.</translation>
    </message>
    <message>
        <source>The window is saved as a PDF document only, and “%1” is the name of another type of file. Nothing was saved. Please choose a name that ends in “.pdf”.</source>
        <translation>La fenêtre est enregistrée uniquement comme document PDF, et « %1 » est le nom d’un autre type de fichier. Rien n’a été enregistré. Veuillez choisir un nom qui se termine par « .pdf ».</translation>
    </message>
    <message>
        <source>The print service of this computer does not answer, so the page was not printed. Try again in a while, or save the page as a PDF file.</source>
        <translation>Le service d’impression de cet ordinateur ne répond pas, la page n’a donc pas été imprimée. Réessayez dans un moment, ou enregistrez la page en fichier PDF.</translation>
    </message>
    <message>
        <source>The page waits in the queue of the printer “%1”, which is paused. It will be printed when the printer is resumed.</source>
        <translation>La page attend dans la file de l’imprimante « %1 », qui est en pause. Elle sera imprimée quand l’imprimante reprendra.</translation>
    </message>
</context>
<context>
    <name>WindowPdf</name>
    <message>
        <source>The window could not be saved: it has no area.</source>
        <translation>La fenêtre n’a pas pu être enregistrée : elle n’a pas de surface.</translation>
    </message>
    <message>
        <source>the page could not be started</source>
        <translation>la page n’a pas pu être commencée</translation>
    </message>
</context>
<context>
    <name>WindowPrinter</name>
    <message>
        <source>The printer could not be started: </source>
        <translation>Impossible de démarrer l&apos;impression&#xa0;: </translation>
    </message>
    <message>
        <source>no output file was chosen.</source>
        <translation>aucun fichier de sortie n&apos;a été choisi.</translation>
    </message>
    <message>
        <source>the file “%1” could not be written.</source>
        <translation>le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>no printer is set up on this computer.</source>
        <translation>aucune imprimante n&apos;est configurée sur cet ordinateur.</translation>
    </message>
    <message>
        <source>the printer “%1” is not available or reported an error.</source>
        <translation>l&apos;imprimante «&#xa0;%1&#xa0;» n&apos;est pas disponible ou a signalé une erreur.</translation>
    </message>
    <message>
        <source>The window could not be printed: it has no area.</source>
        <translation>Impossible d&apos;imprimer la fenêtre&#xa0;: elle n&apos;a aucune surface.</translation>
    </message>
    <message>
        <source>The page could not be printed: the printer “%1” reported an error.</source>
        <translation>Impossible d&apos;imprimer la page&#xa0;: l&apos;imprimante «&#xa0;%1&#xa0;» a signalé une erreur.</translation>
    </message>
</context>
<context>
    <name>frmForm1</name>
    <message>
        <source>Intrinsic rate of species A (r)</source>
        <translation>Taux d&apos;accroissement intrinsèque de l&apos;espèce A (r)</translation>
    </message>
    <message>
        <source>Initial size of species A</source>
        <translation>Effectif initial de l&apos;espèce A</translation>
    </message>
    <message>
        <source>Carrying capacity for species A (K1)</source>
        <translation>Capacité de charge pour l&apos;espèce A (K1)</translation>
    </message>
    <message>
        <source>Constant a</source>
        <translation>Constante a</translation>
    </message>
    <message>
        <source>Intrinsic rate of species B (s)</source>
        <translation>Taux d&apos;accroissement intrinsèque de l&apos;espèce B (s)</translation>
    </message>
    <message>
        <source>Initial size of species B</source>
        <translation>Effectif initial de l&apos;espèce B</translation>
    </message>
    <message>
        <source>Carrying capacity for species B (K2)</source>
        <translation>Capacité de charge pour l&apos;espèce B (K2)</translation>
    </message>
    <message>
        <source>Constant b</source>
        <translation>Constante b</translation>
    </message>
    <message>
        <source>For t = 0 to (simulation length in days)</source>
        <translation>Pour t = 0 à (durée de la simulation en jours)</translation>
    </message>
    <message>
        <source>N1 (species A) on the selected day</source>
        <translation>N1 (espèce A) au jour choisi</translation>
    </message>
    <message>
        <source>N2 (species B) on the selected day</source>
        <translation>N2 (espèce B) au jour choisi</translation>
    </message>
    <message>
        <source>t = (selected day)</source>
        <translation>t = (jour choisi)</translation>
    </message>
    <message>
        <source>Day selector</source>
        <translation>Choix du jour</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>How to (picture of the two competing species)</source>
        <translation>Guide (image des deux espèces en compétition)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Intrinsic rate of species A  (r):</source>
        <translation>Taux intrinsèque espèce A (r)&#xa0;:</translation>
    </message>
    <message>
        <source>Initial size of species A: </source>
        <translation>Effectif initial espèce A&#xa0;:</translation>
    </message>
    <message>
        <source>Carrying capacity for species A (K1):</source>
        <translation>Capacité de charge espèce A (K1)&#xa0;:</translation>
    </message>
    <message>
        <source>Constant a:</source>
        <translation>Constante a&#xa0;:</translation>
    </message>
    <message>
        <source>Intrinsic rate of species B (s):</source>
        <translation>Taux intrinsèque espèce B (s)&#xa0;:</translation>
    </message>
    <message>
        <source>Initial size of species B:</source>
        <translation>Effectif initial espèce B&#xa0;:</translation>
    </message>
    <message>
        <source>Carrying capacity for species B (K2):</source>
        <translation>Capacité de charge espèce B (K2)&#xa0;:</translation>
    </message>
    <message>
        <source>Constant b:</source>
        <translation>Constante b&#xa0;:</translation>
    </message>
    <message>
        <source>For t = 0 to </source>
        <translation>Pour t = 0 à </translation>
    </message>
</context>
<context>
    <name>frmReference</name>
    <message>
        <source>References</source>
        <translation>Références</translation>
    </message>
    <message>
        <source>Volterra, V. 1926. Variazioni e fluttuazioni del numero d&apos;individui in specie animali conviventi. Mem. R. Accad. Naz. Lincei (ser. 6) 2: 31–113. Translated in R. N. Chapman. 1931. Animal Ecology. McGraw-Hill, New York, pp. 409–448.</source>
        <translation>Volterra, V. 1926. Variazioni e fluttuazioni del numero d&apos;individui in specie animali conviventi. Mem. R. Accad. Naz. Lincei (ser. 6) 2: 31–113. Traduit dans R. N. Chapman. 1931. Animal Ecology. McGraw-Hill, New York, p. 409–448.</translation>
    </message>
    <message>
        <source>May, R. M. 1976. Models for two interacting populations. Pages 78–104 in R. M. May (ed.), Theoretical Ecology: Principles and Applications. Blackwell, Oxford.</source>
        <translation>May, R. M. 1976. Models for two interacting populations. P. 78–104 dans R. M. May (dir.), Theoretical Ecology: Principles and Applications. Blackwell, Oxford.</translation>
    </message>
</context>
<context>
    <name>vorlenza::ChartActions</name>
    <message>
        <source>%1. %2</source>
        <extracomment>the chart&apos;s description, then the sentence on its menu</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Phase-plane &amp;lab…</source>
        <translation>&amp;Laboratoire du plan de phase…</translation>
    </message>
    <message>
        <source>&amp;Direction arrows</source>
        <translation>Flèches de &amp;direction</translation>
    </message>
    <message>
        <source>Co&amp;ntinuous solution</source>
        <translation>Solution co&amp;ntinue</translation>
    </message>
</context>
<context>
    <name>vorlenza::ChartView</name>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
</context>
<context>
    <name>vorlenza::PlotMenu</name>
    <message>
        <source>Press the Menu key or Shift+F10, or click with the right button, to copy or save the chart.</source>
        <translation>Appuyez sur la touche Menu ou sur Maj+F10, ou cliquez avec le bouton droit, pour copier ou enregistrer le graphique.</translation>
    </message>
    <message>
        <source>&amp;Copy chart</source>
        <translation>&amp;Copier le graphique</translation>
    </message>
    <message>
        <source>&amp;Save chart as…</source>
        <translation>&amp;Enregistrer le graphique sous…</translation>
    </message>
    <message>
        <source>Save &amp;window as PDF…</source>
        <translation>Enregistrer la &amp;fenêtre en PDF…</translation>
    </message>
    <message>
        <source>Save &amp;results as spreadsheet…</source>
        <translation>Enregistrer les &amp;résultats comme classeur…</translation>
    </message>
</context>
<context>
    <name>vorlenza::Vater</name>
    <message>
        <source>Picture: hills and a lake at dusk</source>
        <translation>Image&#xa0;: des collines et un lac au crépuscule</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <translation>Que Dieu ait son âme</translation>
    </message>
    <message>
        <source>Dedication</source>
        <translation>Dédicace</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmCopyrigh</name>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:

The Vorlenza authors. %1. Vorlenza Series. Example Univ., Exampletown, Exampleland.</source>
        <translation>Si vous utilisez ce programme pour vos recherches, merci de citer la référence suivante dans votre article&#xa0;:

The Vorlenza authors. %1. Vorlenza Series. Example Univ., Exampletown, Exampleland.</translation>
    </message>
    <message>
        <source>You can get new version of this program at:
1. https://vorlenza.example.org/
2. https://www.example.com/vorlenza/
(Example Teaching Network).
3. The Vorlenza Project.</source>
        <translation>Les nouvelles versions de ce programme sont disponibles ici&#xa0;:
1. https://vorlenza.example.org/
2. https://www.example.com/vorlenza/
(Example Teaching Network).
3. Le projet Vorlenza.</translation>
    </message>
    <message>
        <source>© 2004-%1 Vorlenza authors</source>
        <translation>© 2004-%1 équipe Vorlenza</translation>
    </message>
    <message>
        <source>Free software for teaching and learning ecology</source>
        <translation>Logiciel libre pour enseigner et apprendre l&apos;écologie</translation>
    </message>
    <message>
        <source>You may run, copy and share this program, in class or anywhere else, and you may change it under the terms of the GNU General Public License, version 3 or any later version. It comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>Vous pouvez exécuter, copier et partager ce programme, en classe ou ailleurs, et le modifier selon les termes de la GNU General Public License, version 3 ou toute version ultérieure. Il est fourni SANS AUCUNE GARANTIE.</translation>
    </message>
    <message>
        <source>Protected by copyright law. Copies, changed or not, must keep this notice.</source>
        <translation>Protégé par le droit d&apos;auteur. Toute copie, modifiée ou non, doit garder cette mention.</translation>
    </message>
    <message>
        <source>Some rights reserved.</source>
        <translation>Certains droits réservés.</translation>
    </message>
    <message>
        <source>Picture: the two competing species</source>
        <translation>Image&#xa0;: les deux espèces en compétition</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Droits d&apos;auteur</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmForm1</name>
    <message>
        <source>© 2004-%1 The Vorlenza authors</source>
        <translation>© 2004-%1 Les auteurs de Vorlenza</translation>
    </message>
    <message>
        <source>Press Enter to run this program using default values. You can also select a data set at first, then click RUN. To change a default value, move the mouse pointer to a data box and click it.After you change the default values, press Enter to confirm the change and click RUN to run it. Click on the graph to see more graphs.
Comments are welcome.</source>
        <translation>Appuyez sur Entrée pour lancer le programme avec les valeurs par défaut. Vous pouvez aussi choisir d&apos;abord un jeu de données, puis cliquer sur LANCER. Pour changer une valeur, cliquez dans sa case avec la souris. Après avoir changé les valeurs, appuyez sur Entrée pour confirmer, puis cliquez sur LANCER. Cliquez sur le graphique pour voir d&apos;autres graphiques.
Vos commentaires sont les bienvenus.</translation>
    </message>
    <message>
        <source>The Vorlenza authors
vorlenza@example.org
P.O. Box 1234
Population Ecology Laboratory
Department of Biology
Example University
Exampletown, Exampleland</source>
        <translation>Les auteurs de Vorlenza
vorlenza@example.org
Boîte postale 1234
Laboratoire d&apos;écologie des populations
Département de biologie
Example University
Exampletown, Exampleland</translation>
    </message>
    <message>
        <source> Model </source>
        <translation> Modèle </translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Run this program</source>
        <translation>Lancer le programme</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>How to run this program</source>
        <translation>Comment utiliser ce programme</translation>
    </message>
    <message>
        <source>S</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Save graphic data</source>
        <translation>Enregistrer les données du graphique</translation>
    </message>
    <message>
        <source>P</source>
        <translation>I</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Imprimer cette fenêtre</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Species A</source>
        <translation>Espèce A</translation>
    </message>
    <message>
        <source>Species B</source>
        <translation>Espèce B</translation>
    </message>
    <message>
        <source>Select data set:</source>
        <translation>Jeu de données&#xa0;:</translation>
    </message>
    <message>
        <source>Select data set 1</source>
        <translation>Choisir le jeu de données 1</translation>
    </message>
    <message>
        <source>Select data set 2</source>
        <translation>Choisir le jeu de données 2</translation>
    </message>
    <message>
        <source>Select data set 3</source>
        <translation>Choisir le jeu de données 3</translation>
    </message>
    <message>
        <source>N1 (species A)</source>
        <translation>N1 (espèce A)</translation>
    </message>
    <message>
        <source>N2 (species B)</source>
        <translation>N2 (espèce B)</translation>
    </message>
    <message>
        <source>N2 vs. N1</source>
        <translation>N2 = f(N1)</translation>
    </message>
    <message>
        <source>dN vs. t</source>
        <translation>dN = f(t)</translation>
    </message>
    <message>
        <source>N vs. t</source>
        <translation>N = f(t)</translation>
    </message>
    <message>
        <source>Isoclines</source>
        <translation>Isoclines</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Agrandir</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmHowto</name>
    <message>
        <source>Click on RUN to run the simulation.
Click on the graph to see more graphs.
Click on a parameter box to change the default value, then press Enter to confirm the change. 

Comments and suggestions are welcome by e-mail to vorlenza@example.org.</source>
        <translation>Cliquez sur LANCER pour lancer la simulation.
Cliquez sur le graphique pour voir d&apos;autres graphiques.
Cliquez dans la case d&apos;un paramètre pour changer sa valeur par défaut, puis appuyez sur Entrée pour confirmer.

Vos commentaires et suggestions sont les bienvenus par courriel à vorlenza@example.org.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Guide</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmIntrofrm</name>
    <message>
        <source>The Lotka–Volterra model of two species that compete for the same resources is the simplest two-species competition model. It is extended from the logistic growth model.  It assumes that all individuals of a species are identical (no age difference and no sexual dimorphism). Detailed discussions can be found in most Ecology textbooks. This model is not applicable to age-structured populations. However, the undergraduate students can use this model to learn about the isocline and equilibrium analysis and vector addition. </source>
        <translation>Le modèle de Lotka-Volterra pour deux espèces en compétition pour les mêmes ressources est le plus simple des modèles de compétition entre deux espèces. Il prolonge le modèle de croissance logistique. Il suppose que tous les individus d&apos;une espèce sont identiques (aucune différence d&apos;âge, aucun dimorphisme sexuel). La plupart des manuels d&apos;écologie le présentent en détail. Ce modèle ne s&apos;applique pas aux populations structurées en âge. Il permet cependant d&apos;apprendre l&apos;analyse des isoclines et de l&apos;équilibre ainsi que l&apos;addition de vecteurs.</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Références</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmLab</name>
    <message>
        <source>Phase-plane lab</source>
        <translation>Laboratoire du plan de phase</translation>
    </message>
    <message>
        <source>Phase plane</source>
        <translation>Plan de phase</translation>
    </message>
    <message>
        <source>Map of outcomes</source>
        <translation>Carte des issues</translation>
    </message>
    <message>
        <source>The arrow keys move the handle: left and right change alpha, up and down change beta.</source>
        <translation>Les flèches déplacent la poignée : gauche et droite changent alpha, haut et bas changent beta.</translation>
    </message>
    <message>
        <source>K1:</source>
        <translation>K1 :</translation>
    </message>
    <message>
        <source>Carrying capacity for species A (K1)</source>
        <translation>Capacité de charge pour l&apos;espèce A (K1)</translation>
    </message>
    <message>
        <source>K2:</source>
        <translation>K2 :</translation>
    </message>
    <message>
        <source>Carrying capacity for species B (K2)</source>
        <translation>Capacité de charge pour l&apos;espèce B (K2)</translation>
    </message>
    <message>
        <source>r1:</source>
        <translation>r1 :</translation>
    </message>
    <message>
        <source>Intrinsic rate of species A (r1)</source>
        <translation>Taux intrinsèque de l&apos;espèce A (r1)</translation>
    </message>
    <message>
        <source>r2:</source>
        <translation>r2 :</translation>
    </message>
    <message>
        <source>Intrinsic rate of species B (r2)</source>
        <translation>Taux intrinsèque de l&apos;espèce B (r2)</translation>
    </message>
    <message>
        <source>alpha:</source>
        <translation>alpha :</translation>
    </message>
    <message>
        <source>Constant a (alpha, effect of B on A)</source>
        <translation>Constante a (alpha, effet de B sur A)</translation>
    </message>
    <message>
        <source>beta:</source>
        <translation>beta :</translation>
    </message>
    <message>
        <source>Constant b (beta, effect of A on B)</source>
        <translation>Constante b (beta, effet de A sur B)</translation>
    </message>
    <message>
        <source>Show the daily steps as markers</source>
        <translation>Montrer les pas quotidiens en points</translation>
    </message>
    <message>
        <source>Clear trajectories</source>
        <translation>Effacer les trajectoires</translation>
    </message>
    <message>
        <source>Use these values</source>
        <translation>Utiliser ces valeurs</translation>
    </message>
    <message>
        <source>Write these constants into the main window&apos;s fields</source>
        <translation>Écrire ces constantes dans les champs de la fenêtre principale</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Imprimer cette fenêtre</translation>
    </message>
    <message>
        <source>The arrow keys move a cursor; Enter starts a trajectory there. Up to 12 trajectories.</source>
        <translation>Les flèches déplacent un curseur ; Entrée y lance une trajectoire. Jusqu&apos;à 12 trajectoires.</translation>
    </message>
    <message>
        <source>Outcome map</source>
        <translation>Carte des issues</translation>
    </message>
    <message>
        <source>Equilibria</source>
        <translation>Équilibres</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Back to the window the lab was opened from</source>
        <translation>Retour à la fenêtre d&apos;où le laboratoire a été ouvert</translation>
    </message>
    <message>
        <source>&amp;Direction arrows</source>
        <translation>Flèches de &amp;direction</translation>
    </message>
    <message>
        <source>Equilibria:</source>
        <translation>Équilibres :</translation>
    </message>
    <message>
        <source>every point of the line from (K1, 0) to (0, K2)</source>
        <translation>chaque point de la ligne de (K1, 0) à (0, K2)</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmLarggraf</name>
    <message>
        <source>N2 vs. N1</source>
        <translation>N2 = f(N1)</translation>
    </message>
    <message>
        <source>dN1 and dN2 vs. time</source>
        <translation>dN1 et dN2 = f(t)</translation>
    </message>
    <message>
        <source>N1 and N2 vs. t</source>
        <translation>N1 et N2 = f(t)</translation>
    </message>
    <message>
        <source>All graphs</source>
        <translation>Tout voir</translation>
    </message>
    <message>
        <source>N1, N2 and isoclines</source>
        <translation>N1, N2 et isoclines</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Imprimer cette fenêtre</translation>
    </message>
    <message>
        <source>Main form</source>
        <translation>Principale</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmLesson</name>
    <message>
        <source>Right.</source>
        <translation>Juste.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <translation>Faux.</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Leçon</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>&amp;Answer:</source>
        <translation>&amp;Réponse :</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Marks so far</source>
        <translation>Notes jusqu’ici</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédente</translation>
    </message>
    <message>
        <source>Previous task</source>
        <translation>Tâche précédente</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>Next task</source>
        <translation>Tâche suivante</translation>
    </message>
    <message>
        <source>&amp;Save my answers…</source>
        <translation>&amp;Enregistrer mes réponses…</translation>
    </message>
    <message>
        <source>Save my answers</source>
        <translation>Enregistrer mes réponses</translation>
    </message>
    <message>
        <source>Task %1 of %2: %3</source>
        <translation>Tâche %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Garder</translation>
    </message>
    <message>
        <source>Kept for your teacher.</source>
        <translation>Gardé pour ton enseignant.</translation>
    </message>
    <message>
        <source>Marks so far: %1 right of %2 checked</source>
        <translation>Jusqu’ici : %1 justes sur %2 vérifiées</translation>
    </message>
    <message>
        <source>Answers (*.json)</source>
        <translation>Réponses (*.json)</translation>
    </message>
    <message>
        <source>The lesson “%1” could not be opened: %2.</source>
        <translation>La leçon « %1 » n’a pas pu être ouverte : %2.</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmQuiz</name>
    <message>
        <source>Quiz: four phase planes with their isoclines</source>
        <translation>Quiz&#xa0;: quatre plans de phase avec leurs isoclines</translation>
    </message>
    <message>
        <source>Which sketch shows coexistence, which a win of species A, which a win of species B, and which an outcome that depends on the start?</source>
        <translation>Quel croquis montre la coexistence, lequel la victoire de l&apos;espèce A, lequel celle de l&apos;espèce B, et lequel une issue qui dépend du point de départ&#xa0;?</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <translation>Vers la fenêtre principale</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>quiz.jpg</source>
        <extracomment>the file of the quiz picture painted with this language&apos;s words by tools/paint_pictures.cpp</extracomment>
        <translation>quiz-fr.jpg</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmReference</name>
    <message>
        <source>Back to main form</source>
        <translation>Retour à la fenêtre principale</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Références</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmTitlform</name>
    <message>
        <source>Press any key or click mouse to start.</source>
        <translation>Touche ou clic pour commencer.</translation>
    </message>
</context>
</TS>
