<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Chart</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>N1 and N2 vs. time</source>
        <translation>N1 und N2 im Zeitverlauf</translation>
    </message>
    <message>
        <source>N1 and N2</source>
        <translation>N1 und N2</translation>
    </message>
    <message>
        <source>dN1 and dN2 vs. time</source>
        <translation>dN1, dN2 im Zeitverlauf</translation>
    </message>
    <message>
        <source>dN1 and dN2</source>
        <translation>dN1 und dN2</translation>
    </message>
    <message>
        <source>N1 and dN1/dt vs. time</source>
        <translation>N1 und dN1/dt im Zeitverlauf</translation>
    </message>
    <message>
        <source>N1 and dN1</source>
        <translation>N1 und dN1</translation>
    </message>
    <message>
        <source>N2 and dN2 vs. time</source>
        <translation>N2 und dN2 im Zeitverlauf</translation>
    </message>
    <message>
        <source>N2 and dN2</source>
        <translation>N2 und dN2</translation>
    </message>
    <message>
        <source>N and dN/dt vs. time</source>
        <translation>N und dN/dt im Zeitverlauf</translation>
    </message>
    <message>
        <source>N1, dN1, N2 and dN2</source>
        <translation>N1, dN1, N2 und dN2</translation>
    </message>
    <message>
        <source>N2 vs. N1</source>
        <translation>N2 gegen N1</translation>
    </message>
    <message>
        <source>N2 vs. N1 with isoclines</source>
        <translation>N2 gegen N1 mit Isoklinen</translation>
    </message>
    <message>
        <source>%1 (continuous)</source>
        <translation>%1 (kontinuierlich)</translation>
    </message>
    <message>
        <source>Arrows: which way N1 and N2 change from each point; the longer the arrow, the faster the change (on a compressed scale).</source>
        <translation>Pfeile: in welche Richtung sich N1 und N2 von jedem Punkt aus ändern; je länger der Pfeil, desto schneller die Änderung (auf gestauchter Skala).</translation>
    </message>
</context>
<context>
    <name>ChartActions</name>
    <message>
        <source>results</source>
        <extracomment>The name the spreadsheet&apos;s Save dialog suggests, without its ending.</extracomment>
        <translation>Ergebnisse</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message numerus="yes">
        <source>%1: %2 against %3, %n series</source>
        <translation>
            <numerusform>%1: %2 gegen %3, %n Datenreihe</numerusform>
            <numerusform>%1: %2 gegen %3, %n Datenreihen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> of %n points each</source>
        <translation>
            <numerusform> mit je %n Punkt</numerusform>
            <numerusform> mit je %n Punkten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>stable node</source>
        <translation>stabiler Knoten</translation>
    </message>
    <message>
        <source>saddle</source>
        <translation>Sattel</translation>
    </message>
    <message>
        <source>unstable node</source>
        <translation>instabiler Knoten</translation>
    </message>
    <message>
        <source>stable focus</source>
        <translation>stabiler Strudel</translation>
    </message>
    <message>
        <source>unstable focus</source>
        <translation>instabiler Strudel</translation>
    </message>
    <message>
        <source>not decided by the eigenvalues</source>
        <translation>durch die Eigenwerte nicht entschieden</translation>
    </message>
    <message>
        <source>Eigenvalues per day: %1 and %2</source>
        <translation>Eigenwerte pro Tag: %1 und %2</translation>
    </message>
    <message>
        <source>The one-day step keeps it stable.</source>
        <translation>Der Ein-Tages-Schritt hält es stabil.</translation>
    </message>
    <message>
        <source>The one-day step does not keep it stable.</source>
        <translation>Der Ein-Tages-Schritt hält es nicht stabil.</translation>
    </message>
    <message>
        <source>Coexistence</source>
        <translation>Koexistenz</translation>
    </message>
    <message>
        <source>A wins</source>
        <translation>A gewinnt</translation>
    </message>
    <message>
        <source>B wins</source>
        <translation>B gewinnt</translation>
    </message>
    <message>
        <source>Either wins,
by the start</source>
        <translation>Der Start
entscheidet</translation>
    </message>
    <message>
        <source>Both species coexist: the isoclines cross at a stable equilibrium, because each species limits itself more than it limits the other.</source>
        <translation>Beide Arten bestehen nebeneinander: Die Isoklinen kreuzen sich in einem stabilen Gleichgewicht, weil jede Art sich selbst stärker begrenzt als die andere.</translation>
    </message>
    <message>
        <source>Species A wins: its isocline lies above B&apos;s everywhere.</source>
        <translation>Art A gewinnt: Ihre Isokline liegt überall über der von B.</translation>
    </message>
    <message>
        <source>Species B wins: its isocline lies above A&apos;s everywhere.</source>
        <translation>Art B gewinnt: Ihre Isokline liegt überall über der von A.</translation>
    </message>
    <message>
        <source>Either species wins, depending on the start: the isoclines cross at a saddle, and the separatrix divides the starts.</source>
        <translation>Je nach Start gewinnt die eine oder die andere Art: Die Isoklinen kreuzen sich in einem Sattel, und die Separatrix teilt die Startpunkte.</translation>
    </message>
    <message>
        <source>It ends a line of equilibria: runs nearby stop on the line.</source>
        <translation>Es ist ein Ende einer Linie von Gleichgewichten: Läufe in der Nähe bleiben auf der Linie stehen.</translation>
    </message>
    <message>
        <source>Runs settle here, slowly.</source>
        <translation>Läufe kommen hier zur Ruhe, langsam.</translation>
    </message>
    <message>
        <source>Runs leave it, slowly.</source>
        <translation>Läufe verlassen es, langsam.</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>neutral</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>stabil</translation>
    </message>
    <message>
        <source>unstable</source>
        <translation>instabil</translation>
    </message>
    <message>
        <source>converging slowly</source>
        <translation>langsam konvergierend</translation>
    </message>
    <message>
        <source>(%1, %2): %3; for the equations %4, for one-day steps %5</source>
        <extracomment>an equilibrium: its place, its type, its stability for the equations and for one-day steps</extracomment>
        <translation>(%1, %2): %3; für die Gleichungen %4, für Ein-Tages-Schritte %5</translation>
    </message>
    <message>
        <source>Species A wins from every start with some A, slowly near (0, K2): its isocline lies above B&apos;s and touches it there.</source>
        <translation>Art A gewinnt von jedem Start mit etwas A aus, langsam nahe (0, K2): Ihre Isokline liegt über der von B und berührt sie dort.</translation>
    </message>
    <message>
        <source>Species A wins and settles slowly: its isocline lies above B&apos;s and touches it at (K1, 0), where A lives alone.</source>
        <translation>Art A gewinnt und kommt langsam zur Ruhe: Ihre Isokline liegt über der von B und berührt sie bei (K1, 0), wo A allein lebt.</translation>
    </message>
    <message>
        <source>Species B wins from every start with some B, slowly near (K1, 0): its isocline lies above A&apos;s and touches it there.</source>
        <translation>Art B gewinnt von jedem Start mit etwas B aus, langsam nahe (K1, 0): Ihre Isokline liegt über der von A und berührt sie dort.</translation>
    </message>
    <message>
        <source>Species B wins and settles slowly: its isocline lies above A&apos;s and touches it at (0, K2), where B lives alone.</source>
        <translation>Art B gewinnt und kommt langsam zur Ruhe: Ihre Isokline liegt über der von A und berührt sie bei (0, K2), wo B allein lebt.</translation>
    </message>
    <message>
        <source>Neither species wins: the isoclines lie on one another, every point of them is an equilibrium, and the run stops where it meets the line.</source>
        <translation>Keine Art gewinnt: Die Isoklinen liegen aufeinander, jeder ihrer Punkte ist ein Gleichgewicht, und der Lauf bleibt dort stehen, wo er die Linie erreicht.</translation>
    </message>
    <message>
        <source>Nobody wins</source>
        <translation>Niemand gewinnt</translation>
    </message>
    <message>
        <source>The one-day step converges to it, slowly.</source>
        <translation>Der Ein-Tages-Schritt nähert sich ihm, langsam.</translation>
    </message>
    <message>
        <source>Isocline of A (dN1/dt = 0)</source>
        <translation>Isokline von A (dN1/dt = 0)</translation>
    </message>
    <message>
        <source>Isocline of B (dN2/dt = 0)</source>
        <translation>Isokline von B (dN2/dt = 0)</translation>
    </message>
    <message>
        <source>Line of equilibria</source>
        <translation>Linie von Gleichgewichten</translation>
    </message>
    <message>
        <source>Separatrix</source>
        <translation>Separatrix</translation>
    </message>
    <message>
        <source>Trajectories (the equations)</source>
        <translation>Trajektorien (die Gleichungen)</translation>
    </message>
    <message>
        <source>Daily steps</source>
        <translation>Tägliche Schritte</translation>
    </message>
    <message>
        <source>Cursor at (%1, %2); the nearest equilibrium: %3</source>
        <extracomment>the keyboard cursor&apos;s place, then the nearest equilibrium as the list writes it</extracomment>
        <translation>Cursor bei (%1, %2); das nächste Gleichgewicht: %3</translation>
    </message>
    <message>
        <source>Some trajectories end early: these constants make the equations too stiff to solve further in a moment.</source>
        <translation>Einige Trajektorien enden früh: Mit diesen Konstanten sind die Gleichungen zu steif, um sie im Nu weiter zu lösen.</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>%1: no problem found in its %2 tasks</source>
        <translation>%1: keine Probleme in den %2 Aufgaben gefunden</translation>
    </message>
    <message>
        <source>Which lesson? vorlenza --check-lesson FILE…</source>
        <translation>Welche Lektion? vorlenza --check-lesson DATEI…</translation>
    </message>
    <message>
        <source>Which answers files? vorlenza --class-summary FILE…</source>
        <translation>Welche Antwortdateien? vorlenza --class-summary DATEI…</translation>
    </message>
    <message>
        <source>the isoclines cross at a stable point, so both species live on together.</source>
        <translation>die Isoklinen kreuzen sich in einem stabilen Punkt, also leben beide Arten weiter zusammen.</translation>
    </message>
    <message>
        <source>A&apos;s isocline lies above B&apos;s, so A wins.</source>
        <translation>die Isokline von A liegt über der von B, also gewinnt A.</translation>
    </message>
    <message>
        <source>B&apos;s isocline lies above A&apos;s, so B wins.</source>
        <translation>die Isokline von B liegt über der von A, also gewinnt B.</translation>
    </message>
    <message>
        <source>the isoclines cross at a saddle, so where the run starts decides who wins.</source>
        <translation>die Isoklinen kreuzen sich in einem Sattelpunkt, also entscheidet der Start, wer gewinnt.</translation>
    </message>
    <message>
        <source>the isoclines lie on one another, so nobody wins.</source>
        <translation>die Isoklinen liegen aufeinander, also gewinnt keine Art.</translation>
    </message>
    <message>
        <source>alpha = %1 %2 K1/K2 = %3 and beta = %4 %5 K2/K1 = %6: %7</source>
        <translation>alpha = %1 %2 K1/K2 = %3 und beta = %4 %5 K2/K1 = %6: %7</translation>
    </message>
    <message>
        <source>On day %1 the run has N1 = %2 and N2 = %3.</source>
        <translation>Am Tag %1 hat der Lauf N1 = %2 und N2 = %3.</translation>
    </message>
    <message>
        <source>Up to day %1 species %2 grows to %3 at most; the task asks for more than %4.</source>
        <translation>Bis zum Tag %1 wächst Art %2 auf höchstens %3; die Aufgabe verlangt mehr als %4.</translation>
    </message>
    <message>
        <source>The run with these values fails, so there are no one-day steps to compare.</source>
        <translation>Der Lauf mit diesen Werten scheitert, es gibt also keine Tagesschritte zum Vergleichen.</translation>
    </message>
    <message>
        <source>On day %1 the one-day steps give N1 = %2 and N2 = %3, the equations N1 = %4 and N2 = %5: the steps mislead.</source>
        <translation>Am Tag %1 ergeben die Tagesschritte N1 = %2 und N2 = %3, die Gleichungen N1 = %4 und N2 = %5: Die Schritte täuschen.</translation>
    </message>
    <message>
        <source>The one-day steps follow the equations closely (r1 = %1, r2 = %2).</source>
        <translation>Die Tagesschritte folgen den Gleichungen genau (r1 = %1, r2 = %2).</translation>
    </message>
    <message>
        <source>This run has no such value to read.</source>
        <translation>Dieser Lauf hat keinen solchen Wert zum Ablesen.</translation>
    </message>
    <message>
        <source>The run gives %1; an answer within %2 of it is right.</source>
        <translation>Der Lauf ergibt %1; eine Antwort, die höchstens %2 davon abweicht, ist richtig.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>it is missing: this is a scenario, not a lesson</source>
        <translation>er fehlt: Das ist ein Szenario, keine Lektion</translation>
    </message>
    <message>
        <source>it is missing or does not hold what it must</source>
        <translation>er fehlt oder enthält nicht, was er muss</translation>
    </message>
    <message>
        <source>“%1” is not what it must hold</source>
        <translation>„%1“ ist nicht, was er enthalten muss</translation>
    </message>
    <message>
        <source>this entry means nothing here</source>
        <translation>dieser Eintrag bedeutet hier nichts</translation>
    </message>
    <message>
        <source>the kind “%1” is none of predict, reach, read and explain</source>
        <translation>die Art „%1“ ist keine von predict, reach, read und explain</translation>
    </message>
    <message>
        <source>“%1” is none of the names this entry takes</source>
        <translation>„%1“ ist keiner der Namen, die dieser Eintrag annimmt</translation>
    </message>
    <message>
        <source>“%1” names none of the nine values (r1, N1(0), K1, alpha, r2, N2(0), K2, beta, T)</source>
        <translation>„%1“ bezeichnet keinen der neun Werte (r1, N1(0), K1, alpha, r2, N2(0), K2, beta, T)</translation>
    </message>
    <message>
        <source>the tolerance “%1” is not a number</source>
        <translation>die Toleranz „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>it must be a number greater than 0, not “%1”</source>
        <translation>er muss eine Zahl größer als 0 sein, nicht „%1“</translation>
    </message>
    <message>
        <source>it must be a whole day from 0 to %1, not “%2”</source>
        <translation>er muss ein ganzer Tag von 0 bis %1 sein, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 is a value that %2 does not take</source>
        <translation>%1 ist ein Wert, den %2 nicht annimmt</translation>
    </message>
    <message>
        <source>the isoclines lie on one another with these values, so no outcome is right</source>
        <translation>mit diesen Werten liegen die Isoklinen aufeinander, also ist kein Ausgang richtig</translation>
    </message>
    <message>
        <source>the isoclines do not cross inside the quadrant with these values, so there is no equilibrium to read</source>
        <translation>mit diesen Werten kreuzen sich die Isoklinen nicht im Quadranten, es gibt also kein Gleichgewicht zum Ablesen</translation>
    </message>
    <message>
        <source>a reach task needs exactly one of “outcome”, “above” and “steps”</source>
        <translation>eine reach-Aufgabe braucht genau eines von „outcome“, „above“ und „steps“</translation>
    </message>
    <message>
        <source>task %1</source>
        <translation>Aufgabe %1</translation>
    </message>
    <message>
        <source>entry “%1”</source>
        <translation>Eintrag „%1“</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>die Datei</translation>
    </message>
    <message>
        <source>the lesson</source>
        <translation>die Lektion</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>where a lesson&apos;s problem is (&quot;task 3, entry “tolerance”&quot;), then what it is</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>it is not a Vorlenza answers file</source>
        <translation>es ist keine Vorlenza-Antwortdatei</translation>
    </message>
    <message>
        <source>the entry “%1” does not hold what it must</source>
        <translation>der Eintrag „%1“ enthält nicht, was er muss</translation>
    </message>
    <message>
        <source>“%1” is left out: %2.</source>
        <translation>„%1“ wird ausgelassen: %2.</translation>
    </message>
    <message>
        <source>“%1” is left out: it holds answers to another lesson (“%2”), not to “%3”.</source>
        <translation>„%1“ wird ausgelassen: Sie enthält Antworten zu einer anderen Lektion („%2“), nicht zu „%3“.</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>Aufgabe %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Species A</source>
        <translation>Art A</translation>
    </message>
    <message>
        <source>Species B</source>
        <translation>Art B</translation>
    </message>
    <message>
        <source>Both species coexist</source>
        <translation>Beide Arten koexistieren</translation>
    </message>
    <message>
        <source>Species A wins</source>
        <translation>Art A gewinnt</translation>
    </message>
    <message>
        <source>Species B wins</source>
        <translation>Art B gewinnt</translation>
    </message>
    <message>
        <source>The start decides</source>
        <translation>Der Start entscheidet</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>kept for the teacher</source>
        <translation>für die Lehrkraft aufbewahrt</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>nicht geprüft</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Right: %1 of %2 marked</source>
        <translation>Richtig: %1 von %2 bewerteten</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Antwort: %1</translation>
    </message>
    <message>
        <source>Mark: %1</source>
        <translation>Bewertung: %1</translation>
    </message>
    <message>
        <source>the worksheet&apos;s page could not be started</source>
        <translation>die Seite des Arbeitsblatts konnte nicht begonnen werden</translation>
    </message>
</context>
<context>
    <name>PointReadout</name>
    <message>
        <source>Day %1: %2</source>
        <translation>Tag %1: %2</translation>
    </message>
    <message>
        <source>Continuous solution: %1</source>
        <translation>Kontinuierliche Lösung: %1</translation>
    </message>
</context>
<context>
    <name>PrintQueue</name>
    <message>
        <source>the printer does not accept jobs</source>
        <translation>Der Drucker nimmt keine Aufträge an</translation>
    </message>
    <message>
        <source>the print system gave no reason</source>
        <translation>Das Drucksystem hat keinen Grund genannt</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>The file name “%1” is too short. The results file is named after it with its last four characters replaced by “%2”, so please choose a name of at least four characters, such as results.txt. Nothing was saved.</source>
        <translation>Der Dateiname „%1“ ist zu kurz. Die Ergebnisdatei wird nach ihm benannt, wobei seine letzten vier Zeichen durch „%2“ ersetzt werden. Wähle deshalb bitte einen Namen mit mindestens vier Zeichen, zum Beispiel ergebnisse.txt. Es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>ResultsSpreadsheet</name>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Isocline A</source>
        <translation>Isokline A</translation>
    </message>
    <message>
        <source>Isocline B</source>
        <translation>Isokline B</translation>
    </message>
    <message>
        <source>the spreadsheet made in the temporary folder could not be read (%1)</source>
        <translation>die im temporären Ordner erstellte Tabelle konnte nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>Results file (*)</source>
        <translation>Ergebnisdatei (*)</translation>
    </message>
    <message>
        <source>Spreadsheet (*.xlsx)</source>
        <translation>Tabelle (*.xlsx)</translation>
    </message>
    <message>
        <source>in the temporary folder “%1”, %2</source>
        <translation>%2 (im temporären Ordner „%1“)</translation>
    </message>
    <message>
        <source>no temporary folder could be made in “%1” (%2)</source>
        <translation>kein temporärer Ordner konnte in „%1“ angelegt werden (%2)</translation>
    </message>
    <message>
        <source>the part of Vorlenza that makes spreadsheets (%1) could not be loaded (%2); installing Vorlenza again brings it back</source>
        <translation>der Teil von Vorlenza, der Tabellen erstellt (%1), konnte nicht geladen werden (%2); eine erneute Installation von Vorlenza stellt ihn wieder her</translation>
    </message>
</context>
<context>
    <name>RunFailure</name>
    <message>
        <source>the simulation length</source>
        <translation>die Simulationsdauer</translation>
    </message>
    <message>
        <source>the carrying capacity of species A (K1)</source>
        <translation>die Tragfähigkeit von Art A (K1)</translation>
    </message>
    <message>
        <source>the carrying capacity of species B (K2)</source>
        <translation>die Tragfähigkeit von Art B (K2)</translation>
    </message>
    <message>
        <source>constant a</source>
        <translation>die Konstante a</translation>
    </message>
    <message>
        <source>constant b</source>
        <translation>die Konstante b</translation>
    </message>
    <message>
        <source>the intrinsic rate of species A (r)</source>
        <translation>die intrinsische Wachstumsrate von Art A (r)</translation>
    </message>
    <message>
        <source>the intrinsic rate of species B (s)</source>
        <translation>die intrinsische Wachstumsrate von Art B (s)</translation>
    </message>
    <message>
        <source>the initial size of species A</source>
        <translation>die Anfangsgröße von Art A</translation>
    </message>
    <message>
        <source>the initial size of species B</source>
        <translation>die Anfangsgröße von Art B</translation>
    </message>
    <message>
        <source>a value</source>
        <translation>ein Wert</translation>
    </message>
    <message>
        <source>The simulation length must be a whole number of days from 1 to %1.</source>
        <translation>Die Simulationsdauer muss eine ganze Zahl von Tagen zwischen 1 und %1 sein.</translation>
    </message>
    <message>
        <source>%1 is too large to compute with.</source>
        <translation>%1 ist zu groß, um damit zu rechnen.</translation>
    </message>
    <message>
        <source>%1 must not be 0.</source>
        <translation>%1 darf nicht 0 sein.</translation>
    </message>
    <message>
        <source>The populations grew too large to compute on day %1. Try smaller growth rates.</source>
        <translation>Am Tag %1 wurden die Populationen zu groß zum Rechnen. Versuche es mit kleineren Wachstumsraten.</translation>
    </message>
    <message>
        <source>The isoclines cannot be computed with these values. Try a larger constant a or b.</source>
        <translation>Mit diesen Werten lassen sich die Isoklinen nicht berechnen. Versuche eine größere Konstante a oder b.</translation>
    </message>
</context>
<context>
    <name>Scenario</name>
    <message>
        <source>Vorlenza scenarios (*.vorlenza)</source>
        <translation>Vorlenza-Szenarien (*.vorlenza)</translation>
    </message>
    <message>
        <source>“%1” (%2)</source>
        <extracomment>a field of the main window by its label, then the value&apos;s name in a scenario file</extracomment>
        <translation>„%1“ (%2)</translation>
    </message>
    <message>
        <source>the entry “chart” names none of the main window&apos;s charts</source>
        <translation>der Eintrag „chart“ nennt keines der Diagramme des Hauptfensters</translation>
    </message>
    <message>
        <source>the entry “%1” must be a text of at most %2 characters, or such texts by language</source>
        <translation>der Eintrag „%1“ muss ein Text von höchstens %2 Zeichen sein oder solche Texte nach Sprachen</translation>
    </message>
    <message>
        <source>the entry “lab.starts” must be a list of at most %1 starts [N1, N2] of numbers 0 or more</source>
        <translation>der Eintrag „lab.starts“ muss eine Liste von höchstens %1 Startpunkten [N1, N2] aus Zahlen ab 0 sein</translation>
    </message>
    <message>
        <source>the entry “%1” must be a group of entries in braces { }</source>
        <translation>der Eintrag „%1“ muss eine Gruppe von Einträgen in geschweiften Klammern { } sein</translation>
    </message>
    <message>
        <source>the entry “%1” must be true or false</source>
        <translation>der Eintrag „%1“ muss true oder false sein</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>the file is not there (any more)</source>
        <translation>die Datei ist nicht (mehr) vorhanden</translation>
    </message>
    <message>
        <source>you may not read it (no permission)</source>
        <translation>Sie dürfen es nicht lesen (keine Berechtigung)</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>es konnte nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, far more than any scenario holds</source>
        <translation>es ist größer als %1 MB, weit mehr, als ein Szenario je enthält</translation>
    </message>
    <message>
        <source>it is not a scenario: at line %1, column %2 its text is not JSON (%3)</source>
        <translation>es ist kein Szenario: In Zeile %1, Spalte %2 ist sein Text kein JSON (%3)</translation>
    </message>
    <message>
        <source>it is not a Vorlenza scenario</source>
        <translation>es ist kein Vorlenza-Szenario</translation>
    </message>
    <message>
        <source>it was saved by a newer Vorlenza (scenario version %1; this one reads versions up to %2)</source>
        <translation>es wurde von einem neueren Vorlenza gespeichert (Szenarioversion %1; dieses liest Versionen bis %2)</translation>
    </message>
    <message>
        <source>it gives no value for %1</source>
        <translation>es enthält keinen Wert für %1</translation>
    </message>
    <message>
        <source>the value for %1 is not a number</source>
        <translation>der Wert für %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>the value for %1 must be a whole number of days from 1 to %2</source>
        <translation>der Wert für %1 muss eine ganze Zahl von Tagen von 1 bis %2 sein</translation>
    </message>
    <message>
        <source>the value for %1 must be a number greater than 0</source>
        <translation>der Wert für %1 muss eine Zahl größer als 0 sein</translation>
    </message>
    <message>
        <source>scenario</source>
        <extracomment>the name the scenario&apos;s save dialog suggests when the scenario has no title, without its ending</extracomment>
        <translation>Szenario</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language as scenario files name their texts by language: de, fr, es, pt_BR or zh_CN. Left &quot;en&quot;, the texts are taken in English.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>The scenario “%1” could not be opened: %2.</source>
        <translation>Das Szenario „%1“ konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The scenario “%1” was not opened. %2</source>
        <extracomment>the file, then why its run failed, in a sentence of its own</extracomment>
        <translation>Das Szenario „%1“ wurde nicht geöffnet. %2</translation>
    </message>
    <message>
        <source>The scenario could not be saved: %1.</source>
        <translation>Das Szenario konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>Sa&amp;ve scenario…</source>
        <translation>S&amp;zenario speichern …</translation>
    </message>
    <message>
        <source>&amp;Open scenario…</source>
        <translation>Szenario &amp;öffnen …</translation>
    </message>
    <message>
        <source>&amp;Examples</source>
        <translation>&amp;Beispiele</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern …</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>The name “%1” cannot be used: a file name here may not hold the character &quot;. Nothing was saved.</source>
        <translation>Der Name „%1“ kann nicht verwendet werden: Ein Dateiname darf hier das Zeichen &quot; nicht enthalten. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Save scenario</source>
        <translation>Szenario speichern</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Note for the students:</source>
        <translation>&amp;Hinweis für die Lernenden:</translation>
    </message>
    <message>
        <source>Open scenario</source>
        <translation>Szenario öffnen</translation>
    </message>
    <message>
        <source>Save my answers</source>
        <translation>Meine Antworten speichern</translation>
    </message>
    <message>
        <source>&amp;Your name:</source>
        <translation>&amp;Dein Name:</translation>
    </message>
</context>
<context>
    <name>StepNotice</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>One-day steps are too coarse for %1: the smallest push drives the daily run away from %2, where the equations settle.</source>
        <translation>Schritte von je einem Tag sind zu grob für %1: Der kleinste Anstoß treibt die Rechnung Tag für Tag weg von %2, wo die Gleichungen zur Ruhe kommen.</translation>
    </message>
    <message>
        <source>One-day steps are too coarse for %1: the daily run settles at %2, the equations at %3.</source>
        <translation>Schritte von je einem Tag sind zu grob für %1: Die Rechnung Tag für Tag pendelt sich bei %2 ein, die Gleichungen bei %3.</translation>
    </message>
    <message>
        <source>One-day steps are too coarse for %1: on day %2 the daily run is at %3, the equations at %4.</source>
        <translation>Schritte von je einem Tag sind zu grob für %1: Am Tag %2 steht die Rechnung Tag für Tag bei %3, die Gleichungen bei %4.</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>the chart could not be drawn</source>
        <translation>das Diagramm konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>Es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>the name contains a character that is not allowed in file names</source>
        <translation>Der Name enthält ein Zeichen, das in Dateinamen nicht erlaubt ist</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>Der Dateiname ist zu lang</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>Der Pfad ist zu lang</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a file</source>
        <translation>„%1“ ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>“%1” is a file, not a folder</source>
        <translation>„%1“ ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>the folder “%1” does not exist</source>
        <translation>Der Ordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>you may not write in the folder “%1” (no permission)</source>
        <translation>Du darfst im Ordner „%1“ nicht schreiben (keine Berechtigung)</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>Die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>it would be larger than the file size limit of this account (%1 bytes)</source>
        <translation>sie wäre größer als die Dateigrößenbeschränkung dieses Kontos (%1 Byte)</translation>
    </message>
    <message>
        <source>not all of it could be written, perhaps because the disk is full</source>
        <translation>Die Daten konnten nicht vollständig geschrieben werden, vielleicht ist der Datenträger voll</translation>
    </message>
    <message>
        <source>; any earlier file of that name is unchanged</source>
        <translation>; eine ältere Datei dieses Namens bleibt unverändert</translation>
    </message>
    <message>
        <source>the file could not be created (%1)</source>
        <translation>Die Datei konnte nicht angelegt werden (%1)</translation>
    </message>
    <message>
        <source>the new file could not take the place of the earlier one; the earlier file is unchanged</source>
        <translation>die neue Datei konnte die frühere nicht ersetzen; die frühere Datei ist unverändert</translation>
    </message>
    <message>
        <source>The file “%1” could not be saved: %2.</source>
        <translation>Die Datei „%1“ konnte nicht gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>The printer “%1” did not take the page: %2. Let the printer accept jobs again, or set up another printer as the default printer of this computer, then try again.</source>
        <translation>Der Drucker „%1“ hat die Seite nicht angenommen: %2. Lass den Drucker wieder Aufträge annehmen oder richte auf diesem Computer einen anderen Standarddrucker ein und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>No printer is set up. Set up a printer as the default printer of this computer, then try again.</source>
        <translation>Es ist kein Drucker eingerichtet. Richte auf diesem Computer einen Standarddrucker ein und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>The window could not be printed.</source>
        <translation>Das Fenster konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The window is saved as a PDF document only, and “%1” is the name of another type of file. Nothing was saved. Please choose a name that ends in “.pdf”.</source>
        <translation>Das Fenster wird nur als PDF-Dokument gespeichert, und „%1“ ist der Name einer anderen Dateiart. Es wurde nichts gespeichert. Bitte wähle einen Namen, der auf „.pdf“ endet.</translation>
    </message>
    <message>
        <source>The print service of this computer does not answer, so the page was not printed. Try again in a while, or save the page as a PDF file.</source>
        <translation>Der Druckdienst dieses Computers antwortet nicht, deshalb wurde die Seite nicht gedruckt. Versuchen Sie es später noch einmal, oder speichern Sie die Seite als PDF-Datei.</translation>
    </message>
    <message>
        <source>The page waits in the queue of the printer “%1”, which is paused. It will be printed when the printer is resumed.</source>
        <translation>Die Seite wartet in der Warteschlange des Druckers „%1“, der angehalten ist. Sie wird gedruckt, sobald der Drucker fortgesetzt wird.</translation>
    </message>
</context>
<context>
    <name>WindowPdf</name>
    <message>
        <source>The window could not be saved: it has no area.</source>
        <translation>Das Fenster konnte nicht gespeichert werden: Es hat keine Fläche.</translation>
    </message>
    <message>
        <source>the page could not be started</source>
        <translation>die Seite konnte nicht begonnen werden</translation>
    </message>
</context>
<context>
    <name>WindowPrinter</name>
    <message>
        <source>The printer could not be started: </source>
        <translation>Der Drucker konnte nicht gestartet werden: </translation>
    </message>
    <message>
        <source>no output file was chosen.</source>
        <translation>Es wurde keine Ausgabedatei gewählt.</translation>
    </message>
    <message>
        <source>the file “%1” could not be written.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>no printer is set up on this computer.</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet.</translation>
    </message>
    <message>
        <source>the printer “%1” is not available or reported an error.</source>
        <translation>Der Drucker „%1“ ist nicht erreichbar oder hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>The window could not be printed: it has no area.</source>
        <translation>Das Fenster konnte nicht gedruckt werden: Es hat keine Fläche.</translation>
    </message>
    <message>
        <source>The page could not be printed: the printer “%1” reported an error.</source>
        <translation>Die Seite konnte nicht gedruckt werden: Der Drucker „%1“ hat einen Fehler gemeldet.</translation>
    </message>
</context>
<context>
    <name>frmForm1</name>
    <message>
        <source>Intrinsic rate of species A (r)</source>
        <translation>Intrinsische Wachstumsrate von Art A (r)</translation>
    </message>
    <message>
        <source>Initial size of species A</source>
        <translation>Anfangsgröße von Art A</translation>
    </message>
    <message>
        <source>Carrying capacity for species A (K1)</source>
        <translation>Tragfähigkeit für Art A (K1)</translation>
    </message>
    <message>
        <source>Constant a</source>
        <translation>Konstante a</translation>
    </message>
    <message>
        <source>Intrinsic rate of species B (s)</source>
        <translation>Intrinsische Wachstumsrate von Art B (s)</translation>
    </message>
    <message>
        <source>Initial size of species B</source>
        <translation>Anfangsgröße von Art B</translation>
    </message>
    <message>
        <source>Carrying capacity for species B (K2)</source>
        <translation>Tragfähigkeit für Art B (K2)</translation>
    </message>
    <message>
        <source>Constant b</source>
        <translation>Konstante b</translation>
    </message>
    <message>
        <source>For t = 0 to (simulation length in days)</source>
        <translation>Für t = 0 bis (Simulationsdauer in Tagen)</translation>
    </message>
    <message>
        <source>N1 (species A) on the selected day</source>
        <translation>N1 (Art A) am gewählten Tag</translation>
    </message>
    <message>
        <source>N2 (species B) on the selected day</source>
        <translation>N2 (Art B) am gewählten Tag</translation>
    </message>
    <message>
        <source>t = (selected day)</source>
        <translation>t = (gewählter Tag)</translation>
    </message>
    <message>
        <source>Day selector</source>
        <translation>Tagauswahl</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>How to (picture of the two competing species)</source>
        <translation>Anleitung (Bild der zwei konkurrierenden Arten)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Intrinsic rate of species A  (r):</source>
        <translation>Wachstumsrate Art A (r):</translation>
    </message>
    <message>
        <source>Initial size of species A: </source>
        <translation>Anfangsgröße Art A:</translation>
    </message>
    <message>
        <source>Carrying capacity for species A (K1):</source>
        <translation>Tragfähigkeit Art A (K1):</translation>
    </message>
    <message>
        <source>Constant a:</source>
        <translation>Konstante a:</translation>
    </message>
    <message>
        <source>Intrinsic rate of species B (s):</source>
        <translation>Wachstumsrate Art B (s):</translation>
    </message>
    <message>
        <source>Initial size of species B:</source>
        <translation>Anfangsgröße Art B:</translation>
    </message>
    <message>
        <source>Carrying capacity for species B (K2):</source>
        <translation>Tragfähigkeit Art B (K2):</translation>
    </message>
    <message>
        <source>Constant b:</source>
        <translation>Konstante b:</translation>
    </message>
    <message>
        <source>For t = 0 to </source>
        <translation>Für t = 0 bis </translation>
    </message>
</context>
<context>
    <name>frmReference</name>
    <message>
        <source>References</source>
        <translation>Literatur</translation>
    </message>
    <message>
        <source>Volterra, V. 1926. Variazioni e fluttuazioni del numero d&apos;individui in specie animali conviventi. Mem. R. Accad. Naz. Lincei (ser. 6) 2: 31–113. Translated in R. N. Chapman. 1931. Animal Ecology. McGraw-Hill, New York, pp. 409–448.</source>
        <translation>Volterra, V. 1926. Variazioni e fluttuazioni del numero d&apos;individui in specie animali conviventi. Mem. R. Accad. Naz. Lincei (ser. 6) 2: 31–113. Übersetzt in R. N. Chapman. 1931. Animal Ecology. McGraw-Hill, New York, S. 409–448.</translation>
    </message>
    <message>
        <source>May, R. M. 1976. Models for two interacting populations. Pages 78–104 in R. M. May (ed.), Theoretical Ecology: Principles and Applications. Blackwell, Oxford.</source>
        <translation>May, R. M. 1976. Models for two interacting populations. S. 78–104 in R. M. May (Hrsg.), Theoretical Ecology: Principles and Applications. Blackwell, Oxford.</translation>
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
        <translation>&amp;Phasenebenen-Labor …</translation>
    </message>
    <message>
        <source>&amp;Direction arrows</source>
        <translation>&amp;Richtungspfeile</translation>
    </message>
    <message>
        <source>Co&amp;ntinuous solution</source>
        <translation>Kontinuierliche &amp;Lösung</translation>
    </message>
</context>
<context>
    <name>vorlenza::ChartView</name>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
</context>
<context>
    <name>vorlenza::PlotMenu</name>
    <message>
        <source>Press the Menu key or Shift+F10, or click with the right button, to copy or save the chart.</source>
        <translation>Drücken Sie die Menütaste oder Umschalt+F10 oder klicken Sie mit der rechten Maustaste, um das Diagramm zu kopieren oder zu speichern.</translation>
    </message>
    <message>
        <source>&amp;Copy chart</source>
        <translation>Diagramm &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save chart as…</source>
        <translation>Diagramm &amp;speichern unter …</translation>
    </message>
    <message>
        <source>Save &amp;window as PDF…</source>
        <translation>&amp;Fenster als PDF speichern …</translation>
    </message>
    <message>
        <source>Save &amp;results as spreadsheet…</source>
        <translation>&amp;Ergebnisse als Tabelle speichern …</translation>
    </message>
</context>
<context>
    <name>vorlenza::Vater</name>
    <message>
        <source>Picture: hills and a lake at dusk</source>
        <translation>Bild: Hügel und ein See in der Abenddämmerung</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <translation>Gott hab ihn selig</translation>
    </message>
    <message>
        <source>Dedication</source>
        <translation>Widmung</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmCopyrigh</name>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:

The Vorlenza authors. %1. Vorlenza Series. Example Univ., Exampletown, Exampleland.</source>
        <translation>Wenn du dieses Programm für eine Forschungsarbeit nutzt, zitiere bitte in deiner Arbeit die folgende Quelle:

The Vorlenza authors. %1. Vorlenza Series. Example Univ., Exampletown, Exampleland.</translation>
    </message>
    <message>
        <source>You can get new version of this program at:
1. https://vorlenza.example.org/
2. https://www.example.com/vorlenza/
(Example Teaching Network).
3. The Vorlenza Project.</source>
        <translation>Neue Versionen dieses Programms gibt es hier:
1. https://vorlenza.example.org/
2. https://www.example.com/vorlenza/
(Example Teaching Network).
3. Das Vorlenza-Projekt.</translation>
    </message>
    <message>
        <source>© 2004-%1 Vorlenza authors</source>
        <translation>© 2004-%1 Vorlenza-Autoren</translation>
    </message>
    <message>
        <source>Free software for teaching and learning ecology</source>
        <translation>Freie Software zum Lehren und Lernen von Ökologie</translation>
    </message>
    <message>
        <source>You may run, copy and share this program, in class or anywhere else, and you may change it under the terms of the GNU General Public License, version 3 or any later version. It comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>Du darfst dieses Programm im Unterricht oder anderswo ausführen, kopieren und weitergeben und es nach den Bedingungen der GNU General Public License, Version 3 oder einer späteren Version, verändern. Es kommt OHNE JEDE GEWÄHRLEISTUNG.</translation>
    </message>
    <message>
        <source>Protected by copyright law. Copies, changed or not, must keep this notice.</source>
        <translation>Urheberrechtlich geschützt. Kopien, auch veränderte, müssen diesen Hinweis behalten.</translation>
    </message>
    <message>
        <source>Some rights reserved.</source>
        <translation>Einige Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Picture: the two competing species</source>
        <translation>Bild: die zwei konkurrierenden Arten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Urheberrecht</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmForm1</name>
    <message>
        <source>© 2004-%1 The Vorlenza authors</source>
        <translation>© 2004-%1 Die Vorlenza-Autoren</translation>
    </message>
    <message>
        <source>Press Enter to run this program using default values. You can also select a data set at first, then click RUN. To change a default value, move the mouse pointer to a data box and click it.After you change the default values, press Enter to confirm the change and click RUN to run it. Click on the graph to see more graphs.
Comments are welcome.</source>
        <translation>Drücke Enter, um das Programm mit den voreingestellten Werten zu starten. Du kannst auch zuerst einen Datensatz wählen und dann auf START klicken. Um einen Wert zu ändern, klicke mit der Maus in sein Feld. Wenn du die Werte geändert hast, bestätige mit Enter und klicke auf START. Klicke auf das Diagramm, um weitere Diagramme zu sehen.
Kommentare sind willkommen.</translation>
    </message>
    <message>
        <source>The Vorlenza authors
vorlenza@example.org
P.O. Box 1234
Population Ecology Laboratory
Department of Biology
Example University
Exampletown, Exampleland</source>
        <translation>Die Vorlenza-Autoren
vorlenza@example.org
Postfach 1234
Labor für Populationsökologie
Fachbereich Biologie
Example University
Exampletown, Exampleland</translation>
    </message>
    <message>
        <source> Model </source>
        <translation> Modell </translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Run this program</source>
        <translation>Das Programm starten</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>How to run this program</source>
        <translation>So benutzt du das Programm</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Save graphic data</source>
        <translation>Diagrammdaten speichern</translation>
    </message>
    <message>
        <source>P</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Dieses Fenster drucken</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>Species A</source>
        <translation>Art A</translation>
    </message>
    <message>
        <source>Species B</source>
        <translation>Art B</translation>
    </message>
    <message>
        <source>Select data set:</source>
        <translation>Datensatz wählen:</translation>
    </message>
    <message>
        <source>Select data set 1</source>
        <translation>Datensatz 1 wählen</translation>
    </message>
    <message>
        <source>Select data set 2</source>
        <translation>Datensatz 2 wählen</translation>
    </message>
    <message>
        <source>Select data set 3</source>
        <translation>Datensatz 3 wählen</translation>
    </message>
    <message>
        <source>N1 (species A)</source>
        <translation>N1 (Art A)</translation>
    </message>
    <message>
        <source>N2 (species B)</source>
        <translation>N2 (Art B)</translation>
    </message>
    <message>
        <source>N2 vs. N1</source>
        <translation>N2 gegen N1</translation>
    </message>
    <message>
        <source>dN vs. t</source>
        <translation>dN gegen t</translation>
    </message>
    <message>
        <source>N vs. t</source>
        <translation>N gegen t</translation>
    </message>
    <message>
        <source>Isoclines</source>
        <translation>Isoklinen</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmHowto</name>
    <message>
        <source>Click on RUN to run the simulation.
Click on the graph to see more graphs.
Click on a parameter box to change the default value, then press Enter to confirm the change. 

Comments and suggestions are welcome by e-mail to vorlenza@example.org.</source>
        <translation>Klicke auf START, um die Simulation laufen zu lassen.
Klicke auf das Diagramm, um weitere Diagramme zu sehen.
Klicke in ein Parameterfeld, um den voreingestellten Wert zu ändern, und bestätige die Änderung dann mit Enter.

Kommentare und Vorschläge sind per E-Mail an vorlenza@example.org willkommen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Anleitung</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmIntrofrm</name>
    <message>
        <source>The Lotka–Volterra model of two species that compete for the same resources is the simplest two-species competition model. It is extended from the logistic growth model.  It assumes that all individuals of a species are identical (no age difference and no sexual dimorphism). Detailed discussions can be found in most Ecology textbooks. This model is not applicable to age-structured populations. However, the undergraduate students can use this model to learn about the isocline and equilibrium analysis and vector addition. </source>
        <translation>Das Lotka-Volterra-Modell für zwei Arten, die um dieselben Ressourcen konkurrieren, ist das einfachste Konkurrenzmodell für zwei Arten. Es erweitert das Modell des logistischen Wachstums. Es nimmt an, dass alle Individuen einer Art gleich sind (keine Altersunterschiede und kein Geschlechtsdimorphismus). Ausführlich wird es in den meisten Ökologie-Lehrbüchern behandelt. Für Populationen mit Altersstruktur ist das Modell nicht geeignet. Trotzdem kannst du mit ihm gut lernen, wie man Isoklinen und Gleichgewichte untersucht und Vektoren addiert.</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Literatur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmLab</name>
    <message>
        <source>Phase-plane lab</source>
        <translation>Phasenebenen-Labor</translation>
    </message>
    <message>
        <source>Phase plane</source>
        <translation>Phasenebene</translation>
    </message>
    <message>
        <source>Map of outcomes</source>
        <translation>Karte der Ausgänge</translation>
    </message>
    <message>
        <source>The arrow keys move the handle: left and right change alpha, up and down change beta.</source>
        <translation>Die Pfeiltasten bewegen den Griff: links und rechts ändern alpha, oben und unten ändern beta.</translation>
    </message>
    <message>
        <source>K1:</source>
        <translation>K1:</translation>
    </message>
    <message>
        <source>Carrying capacity for species A (K1)</source>
        <translation>Tragfähigkeit für Art A (K1)</translation>
    </message>
    <message>
        <source>K2:</source>
        <translation>K2:</translation>
    </message>
    <message>
        <source>Carrying capacity for species B (K2)</source>
        <translation>Tragfähigkeit für Art B (K2)</translation>
    </message>
    <message>
        <source>r1:</source>
        <translation>r1:</translation>
    </message>
    <message>
        <source>Intrinsic rate of species A (r1)</source>
        <translation>Wachstumsrate von Art A (r1)</translation>
    </message>
    <message>
        <source>r2:</source>
        <translation>r2:</translation>
    </message>
    <message>
        <source>Intrinsic rate of species B (r2)</source>
        <translation>Wachstumsrate von Art B (r2)</translation>
    </message>
    <message>
        <source>alpha:</source>
        <translation>alpha:</translation>
    </message>
    <message>
        <source>Constant a (alpha, effect of B on A)</source>
        <translation>Konstante a (alpha, Wirkung von B auf A)</translation>
    </message>
    <message>
        <source>beta:</source>
        <translation>beta:</translation>
    </message>
    <message>
        <source>Constant b (beta, effect of A on B)</source>
        <translation>Konstante b (beta, Wirkung von A auf B)</translation>
    </message>
    <message>
        <source>Show the daily steps as markers</source>
        <translation>Tagesschritte als Punkte zeigen</translation>
    </message>
    <message>
        <source>Clear trajectories</source>
        <translation>Trajektorien löschen</translation>
    </message>
    <message>
        <source>Use these values</source>
        <translation>Diese Werte übernehmen</translation>
    </message>
    <message>
        <source>Write these constants into the main window&apos;s fields</source>
        <translation>Diese Konstanten in die Felder des Hauptfensters schreiben</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Dieses Fenster drucken</translation>
    </message>
    <message>
        <source>The arrow keys move a cursor; Enter starts a trajectory there. Up to 12 trajectories.</source>
        <translation>Die Pfeiltasten bewegen einen Cursor; die Eingabetaste startet dort eine Trajektorie. Bis zu 12 Trajektorien.</translation>
    </message>
    <message>
        <source>Outcome map</source>
        <translation>Karte der Ausgänge</translation>
    </message>
    <message>
        <source>Equilibria</source>
        <translation>Gleichgewichte</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Back to the window the lab was opened from</source>
        <translation>Zurück zum Fenster, aus dem das Labor geöffnet wurde</translation>
    </message>
    <message>
        <source>&amp;Direction arrows</source>
        <translation>&amp;Richtungspfeile</translation>
    </message>
    <message>
        <source>Equilibria:</source>
        <translation>Gleichgewichte:</translation>
    </message>
    <message>
        <source>every point of the line from (K1, 0) to (0, K2)</source>
        <translation>jeder Punkt der Linie von (K1, 0) bis (0, K2)</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmLarggraf</name>
    <message>
        <source>N2 vs. N1</source>
        <translation>N2 gegen N1</translation>
    </message>
    <message>
        <source>dN1 and dN2 vs. time</source>
        <translation>dN1, dN2 im Zeitverlauf</translation>
    </message>
    <message>
        <source>N1 and N2 vs. t</source>
        <translation>N1 und N2 gegen t</translation>
    </message>
    <message>
        <source>All graphs</source>
        <translation>Alle Graphen</translation>
    </message>
    <message>
        <source>N1, N2 and isoclines</source>
        <translation>N1, N2 und Isoklinen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Dieses Fenster drucken</translation>
    </message>
    <message>
        <source>Main form</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmLesson</name>
    <message>
        <source>Right.</source>
        <translation>Richtig.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <translation>Falsch.</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>&amp;Answer:</source>
        <translation>&amp;Antwort:</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Marks so far</source>
        <translation>Bewertungen bisher</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Previous task</source>
        <translation>Vorige Aufgabe</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Next task</source>
        <translation>Nächste Aufgabe</translation>
    </message>
    <message>
        <source>&amp;Save my answers…</source>
        <translation>Meine Antworten &amp;speichern…</translation>
    </message>
    <message>
        <source>Save my answers</source>
        <translation>Meine Antworten speichern</translation>
    </message>
    <message>
        <source>Task %1 of %2: %3</source>
        <translation>Aufgabe %1 von %2: %3</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Behalten</translation>
    </message>
    <message>
        <source>Kept for your teacher.</source>
        <translation>Für deine Lehrkraft aufbewahrt.</translation>
    </message>
    <message>
        <source>Marks so far: %1 right of %2 checked</source>
        <translation>Bisher: %1 richtig von %2 geprüften</translation>
    </message>
    <message>
        <source>Answers (*.json)</source>
        <translation>Antworten (*.json)</translation>
    </message>
    <message>
        <source>The lesson “%1” could not be opened: %2.</source>
        <translation>Die Lektion „%1“ konnte nicht geöffnet werden: %2.</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmQuiz</name>
    <message>
        <source>Quiz: four phase planes with their isoclines</source>
        <translation>Quiz: vier Phasenebenen mit ihren Isoklinen</translation>
    </message>
    <message>
        <source>Which sketch shows coexistence, which a win of species A, which a win of species B, and which an outcome that depends on the start?</source>
        <translation>Welche Skizze zeigt Koexistenz, welche einen Sieg von Art A, welche einen Sieg von Art B und welche einen Ausgang, der vom Anfangszustand abhängt?</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <translation>Zurück zum Hauptfenster</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>quiz.jpg</source>
        <extracomment>the file of the quiz picture painted with this language&apos;s words by tools/paint_pictures.cpp</extracomment>
        <translation>quiz-de.jpg</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmReference</name>
    <message>
        <source>Back to main form</source>
        <translation>Zurück zum Hauptfenster</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Literatur</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmTitlform</name>
    <message>
        <source>Press any key or click mouse to start.</source>
        <translation>Taste drücken oder klicken zum Start.</translation>
    </message>
</context>
</TS>
