<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Chart</name>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>N1 and N2 vs. time</source>
        <translation>N1 y N2 = f(t)</translation>
    </message>
    <message>
        <source>N1 and N2</source>
        <translation>N1 y N2</translation>
    </message>
    <message>
        <source>dN1 and dN2 vs. time</source>
        <translation>dN1 y dN2 = f(t)</translation>
    </message>
    <message>
        <source>dN1 and dN2</source>
        <translation>dN1 y dN2</translation>
    </message>
    <message>
        <source>N1 and dN1/dt vs. time</source>
        <translation>N1 y dN1/dt = f(t)</translation>
    </message>
    <message>
        <source>N1 and dN1</source>
        <translation>N1 y dN1</translation>
    </message>
    <message>
        <source>N2 and dN2 vs. time</source>
        <translation>N2 y dN2 = f(t)</translation>
    </message>
    <message>
        <source>N2 and dN2</source>
        <translation>N2 y dN2</translation>
    </message>
    <message>
        <source>N and dN/dt vs. time</source>
        <translation>N y dN/dt = f(t)</translation>
    </message>
    <message>
        <source>N1, dN1, N2 and dN2</source>
        <translation>N1, dN1, N2 y dN2</translation>
    </message>
    <message>
        <source>N2 vs. N1</source>
        <translation>N2 = f(N1)</translation>
    </message>
    <message>
        <source>N2 vs. N1 with isoclines</source>
        <translation>N2 = f(N1) con isoclinas</translation>
    </message>
    <message>
        <source>%1 (continuous)</source>
        <translation>%1 (continua)</translation>
    </message>
    <message>
        <source>Arrows: which way N1 and N2 change from each point; the longer the arrow, the faster the change (on a compressed scale).</source>
        <translation>Flechas: hacia dónde cambian N1 y N2 desde cada punto; cuanto más larga la flecha, más rápido el cambio (en una escala comprimida).</translation>
    </message>
</context>
<context>
    <name>ChartActions</name>
    <message>
        <source>results</source>
        <extracomment>The name the spreadsheet&apos;s Save dialog suggests, without its ending.</extracomment>
        <translation>resultados</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message numerus="yes">
        <source>%1: %2 against %3, %n series</source>
        <translation>
            <numerusform>%1: %2 frente a %3, %n serie</numerusform>
            <numerusform>%1: %2 frente a %3, %n series</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> of %n points each</source>
        <translation>
            <numerusform> de %n punto cada una</numerusform>
            <numerusform> de %n puntos cada una</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>stable node</source>
        <translation>nodo estable</translation>
    </message>
    <message>
        <source>saddle</source>
        <translation>punto de silla</translation>
    </message>
    <message>
        <source>unstable node</source>
        <translation>nodo inestable</translation>
    </message>
    <message>
        <source>stable focus</source>
        <translation>foco estable</translation>
    </message>
    <message>
        <source>unstable focus</source>
        <translation>foco inestable</translation>
    </message>
    <message>
        <source>not decided by the eigenvalues</source>
        <translation>no decidido por los autovalores</translation>
    </message>
    <message>
        <source>Eigenvalues per day: %1 and %2</source>
        <translation>Autovalores por día: %1 y %2</translation>
    </message>
    <message>
        <source>The one-day step keeps it stable.</source>
        <translation>El paso de un día lo mantiene estable.</translation>
    </message>
    <message>
        <source>The one-day step does not keep it stable.</source>
        <translation>El paso de un día no lo mantiene estable.</translation>
    </message>
    <message>
        <source>Coexistence</source>
        <translation>Coexistencia</translation>
    </message>
    <message>
        <source>A wins</source>
        <translation>Gana A</translation>
    </message>
    <message>
        <source>B wins</source>
        <translation>Gana B</translation>
    </message>
    <message>
        <source>Either wins,
by the start</source>
        <translation>El inicio
decide</translation>
    </message>
    <message>
        <source>Both species coexist: the isoclines cross at a stable equilibrium, because each species limits itself more than it limits the other.</source>
        <translation>Las dos especies coexisten: las isoclinas se cruzan en un equilibrio estable, porque cada especie se limita a sí misma más que a la otra.</translation>
    </message>
    <message>
        <source>Species A wins: its isocline lies above B&apos;s everywhere.</source>
        <translation>Gana la especie A: su isoclina está en todas partes por encima de la de B.</translation>
    </message>
    <message>
        <source>Species B wins: its isocline lies above A&apos;s everywhere.</source>
        <translation>Gana la especie B: su isoclina está en todas partes por encima de la de A.</translation>
    </message>
    <message>
        <source>Either species wins, depending on the start: the isoclines cross at a saddle, and the separatrix divides the starts.</source>
        <translation>Gana una u otra especie según el inicio: las isoclinas se cruzan en un punto de silla, y la separatriz divide los inicios.</translation>
    </message>
    <message>
        <source>It ends a line of equilibria: runs nearby stop on the line.</source>
        <translation>Es un extremo de una línea de equilibrios: las trayectorias cercanas se detienen en la línea.</translation>
    </message>
    <message>
        <source>Runs settle here, slowly.</source>
        <translation>Las trayectorias se asientan aquí, lentamente.</translation>
    </message>
    <message>
        <source>Runs leave it, slowly.</source>
        <translation>Las trayectorias se alejan de él, lentamente.</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>neutro</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>estable</translation>
    </message>
    <message>
        <source>unstable</source>
        <translation>inestable</translation>
    </message>
    <message>
        <source>converging slowly</source>
        <translation>convergente lentamente</translation>
    </message>
    <message>
        <source>(%1, %2): %3; for the equations %4, for one-day steps %5</source>
        <extracomment>an equilibrium: its place, its type, its stability for the equations and for one-day steps</extracomment>
        <translation>(%1, %2): %3; para las ecuaciones %4, para los pasos de un día %5</translation>
    </message>
    <message>
        <source>Species A wins from every start with some A, slowly near (0, K2): its isocline lies above B&apos;s and touches it there.</source>
        <translation>Gana la especie A desde todo inicio con algo de A, lentamente cerca de (0, K2): su isoclina está por encima de la de B y la toca allí.</translation>
    </message>
    <message>
        <source>Species A wins and settles slowly: its isocline lies above B&apos;s and touches it at (K1, 0), where A lives alone.</source>
        <translation>Gana la especie A y se asienta lentamente: su isoclina está por encima de la de B y la toca en (K1, 0), donde A vive sola.</translation>
    </message>
    <message>
        <source>Species B wins from every start with some B, slowly near (K1, 0): its isocline lies above A&apos;s and touches it there.</source>
        <translation>Gana la especie B desde todo inicio con algo de B, lentamente cerca de (K1, 0): su isoclina está por encima de la de A y la toca allí.</translation>
    </message>
    <message>
        <source>Species B wins and settles slowly: its isocline lies above A&apos;s and touches it at (0, K2), where B lives alone.</source>
        <translation>Gana la especie B y se asienta lentamente: su isoclina está por encima de la de A y la toca en (0, K2), donde B vive sola.</translation>
    </message>
    <message>
        <source>Neither species wins: the isoclines lie on one another, every point of them is an equilibrium, and the run stops where it meets the line.</source>
        <translation>No gana ninguna especie: las isoclinas coinciden, cada uno de sus puntos es un equilibrio, y la trayectoria se detiene donde alcanza la línea.</translation>
    </message>
    <message>
        <source>Nobody wins</source>
        <translation>No gana nadie</translation>
    </message>
    <message>
        <source>The one-day step converges to it, slowly.</source>
        <translation>El paso de un día converge a él, lentamente.</translation>
    </message>
    <message>
        <source>Isocline of A (dN1/dt = 0)</source>
        <translation>Isoclina de A (dN1/dt = 0)</translation>
    </message>
    <message>
        <source>Isocline of B (dN2/dt = 0)</source>
        <translation>Isoclina de B (dN2/dt = 0)</translation>
    </message>
    <message>
        <source>Line of equilibria</source>
        <translation>Línea de equilibrios</translation>
    </message>
    <message>
        <source>Separatrix</source>
        <translation>Separatriz</translation>
    </message>
    <message>
        <source>Trajectories (the equations)</source>
        <translation>Trayectorias (las ecuaciones)</translation>
    </message>
    <message>
        <source>Daily steps</source>
        <translation>Pasos diarios</translation>
    </message>
    <message>
        <source>Cursor at (%1, %2); the nearest equilibrium: %3</source>
        <extracomment>the keyboard cursor&apos;s place, then the nearest equilibrium as the list writes it</extracomment>
        <translation>Cursor en (%1, %2); el equilibrio más cercano: %3</translation>
    </message>
    <message>
        <source>Some trajectories end early: these constants make the equations too stiff to solve further in a moment.</source>
        <translation>Algunas trayectorias terminan pronto: con estas constantes las ecuaciones son demasiado rígidas para resolverlas más allá en un momento.</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>%1: no problem found in its %2 tasks</source>
        <translation>%1: no se encontró ningún problema en sus %2 tareas</translation>
    </message>
    <message>
        <source>Which lesson? vorlenza --check-lesson FILE…</source>
        <translation>¿Qué lección? vorlenza --check-lesson ARCHIVO…</translation>
    </message>
    <message>
        <source>Which answers files? vorlenza --class-summary FILE…</source>
        <translation>¿Qué archivos de respuestas? vorlenza --class-summary ARCHIVO…</translation>
    </message>
    <message>
        <source>the isoclines cross at a stable point, so both species live on together.</source>
        <translation>las isoclinas se cruzan en un punto estable, así que ambas especies siguen viviendo juntas.</translation>
    </message>
    <message>
        <source>A&apos;s isocline lies above B&apos;s, so A wins.</source>
        <translation>la isoclina de A está por encima de la de B, así que gana A.</translation>
    </message>
    <message>
        <source>B&apos;s isocline lies above A&apos;s, so B wins.</source>
        <translation>la isoclina de B está por encima de la de A, así que gana B.</translation>
    </message>
    <message>
        <source>the isoclines cross at a saddle, so where the run starts decides who wins.</source>
        <translation>las isoclinas se cruzan en un punto de silla, así que el inicio decide quién gana.</translation>
    </message>
    <message>
        <source>the isoclines lie on one another, so nobody wins.</source>
        <translation>las isoclinas coinciden, así que nadie gana.</translation>
    </message>
    <message>
        <source>alpha = %1 %2 K1/K2 = %3 and beta = %4 %5 K2/K1 = %6: %7</source>
        <translation>alpha = %1 %2 K1/K2 = %3 y beta = %4 %5 K2/K1 = %6: %7</translation>
    </message>
    <message>
        <source>On day %1 the run has N1 = %2 and N2 = %3.</source>
        <translation>El día %1 la simulación da N1 = %2 y N2 = %3.</translation>
    </message>
    <message>
        <source>Up to day %1 species %2 grows to %3 at most; the task asks for more than %4.</source>
        <translation>Hasta el día %1 la especie %2 llega como mucho a %3; la tarea pide más de %4.</translation>
    </message>
    <message>
        <source>The run with these values fails, so there are no one-day steps to compare.</source>
        <translation>La simulación con estos valores falla, así que no hay pasos de un día que comparar.</translation>
    </message>
    <message>
        <source>On day %1 the one-day steps give N1 = %2 and N2 = %3, the equations N1 = %4 and N2 = %5: the steps mislead.</source>
        <translation>El día %1 los pasos de un día dan N1 = %2 y N2 = %3, las ecuaciones N1 = %4 y N2 = %5: los pasos engañan.</translation>
    </message>
    <message>
        <source>The one-day steps follow the equations closely (r1 = %1, r2 = %2).</source>
        <translation>Los pasos de un día siguen de cerca las ecuaciones (r1 = %1, r2 = %2).</translation>
    </message>
    <message>
        <source>This run has no such value to read.</source>
        <translation>Esta simulación no tiene tal valor que leer.</translation>
    </message>
    <message>
        <source>The run gives %1; an answer within %2 of it is right.</source>
        <translation>La simulación da %1; una respuesta que no se aleje más de %2 es correcta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>«%1» no es un número.</translation>
    </message>
    <message>
        <source>it is missing: this is a scenario, not a lesson</source>
        <translation>falta: es un escenario, no una lección</translation>
    </message>
    <message>
        <source>it is missing or does not hold what it must</source>
        <translation>falta o no contiene lo que debe</translation>
    </message>
    <message>
        <source>“%1” is not what it must hold</source>
        <translation>«%1» no es lo que debe contener</translation>
    </message>
    <message>
        <source>this entry means nothing here</source>
        <translation>esta entrada no significa nada aquí</translation>
    </message>
    <message>
        <source>the kind “%1” is none of predict, reach, read and explain</source>
        <translation>el tipo «%1» no es ninguno de predict, reach, read y explain</translation>
    </message>
    <message>
        <source>“%1” is none of the names this entry takes</source>
        <translation>«%1» no es ninguno de los nombres que admite esta entrada</translation>
    </message>
    <message>
        <source>“%1” names none of the nine values (r1, N1(0), K1, alpha, r2, N2(0), K2, beta, T)</source>
        <translation>«%1» no nombra ninguno de los nueve valores (r1, N1(0), K1, alpha, r2, N2(0), K2, beta, T)</translation>
    </message>
    <message>
        <source>the tolerance “%1” is not a number</source>
        <translation>la tolerancia «%1» no es un número</translation>
    </message>
    <message>
        <source>it must be a number greater than 0, not “%1”</source>
        <translation>debe ser un número mayor que 0, no «%1»</translation>
    </message>
    <message>
        <source>it must be a whole day from 0 to %1, not “%2”</source>
        <translation>debe ser un día entero de 0 a %1, no «%2»</translation>
    </message>
    <message>
        <source>%1 is a value that %2 does not take</source>
        <translation>%1 es un valor que %2 no admite</translation>
    </message>
    <message>
        <source>the isoclines lie on one another with these values, so no outcome is right</source>
        <translation>con estos valores las isoclinas coinciden, así que ningún resultado es correcto</translation>
    </message>
    <message>
        <source>the isoclines do not cross inside the quadrant with these values, so there is no equilibrium to read</source>
        <translation>con estos valores las isoclinas no se cruzan dentro del cuadrante, así que no hay equilibrio que leer</translation>
    </message>
    <message>
        <source>a reach task needs exactly one of “outcome”, “above” and “steps”</source>
        <translation>una tarea reach necesita exactamente uno de «outcome», «above» y «steps»</translation>
    </message>
    <message>
        <source>task %1</source>
        <translation>tarea %1</translation>
    </message>
    <message>
        <source>entry “%1”</source>
        <translation>entrada «%1»</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>el archivo</translation>
    </message>
    <message>
        <source>the lesson</source>
        <translation>la lección</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>where a lesson&apos;s problem is (&quot;task 3, entry “tolerance”&quot;), then what it is</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>it is not a Vorlenza answers file</source>
        <translation>no es un archivo de respuestas de Vorlenza</translation>
    </message>
    <message>
        <source>the entry “%1” does not hold what it must</source>
        <translation>la entrada «%1» no contiene lo que debe</translation>
    </message>
    <message>
        <source>“%1” is left out: %2.</source>
        <translation>«%1» se omite: %2.</translation>
    </message>
    <message>
        <source>“%1” is left out: it holds answers to another lesson (“%2”), not to “%3”.</source>
        <translation>«%1» se omite: contiene respuestas a otra lección («%2»), no a «%3».</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>Tarea %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Species A</source>
        <translation>Especie A</translation>
    </message>
    <message>
        <source>Species B</source>
        <translation>Especie B</translation>
    </message>
    <message>
        <source>Both species coexist</source>
        <translation>Ambas especies coexisten</translation>
    </message>
    <message>
        <source>Species A wins</source>
        <translation>Gana la especie A</translation>
    </message>
    <message>
        <source>Species B wins</source>
        <translation>Gana la especie B</translation>
    </message>
    <message>
        <source>The start decides</source>
        <translation>El inicio decide</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correcta</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>incorrecta</translation>
    </message>
    <message>
        <source>kept for the teacher</source>
        <translation>guardada para el docente</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>sin comprobar</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nombre: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Right: %1 of %2 marked</source>
        <translation>Correctas: %1 de %2 calificadas</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Respuesta: %1</translation>
    </message>
    <message>
        <source>Mark: %1</source>
        <translation>Calificación: %1</translation>
    </message>
    <message>
        <source>the worksheet&apos;s page could not be started</source>
        <translation>no se pudo empezar la página de la hoja de trabajo</translation>
    </message>
</context>
<context>
    <name>PointReadout</name>
    <message>
        <source>Day %1: %2</source>
        <translation>Día %1: %2</translation>
    </message>
    <message>
        <source>Continuous solution: %1</source>
        <translation>Solución continua: %1</translation>
    </message>
</context>
<context>
    <name>PrintQueue</name>
    <message>
        <source>the printer does not accept jobs</source>
        <translation>la impresora no acepta trabajos</translation>
    </message>
    <message>
        <source>the print system gave no reason</source>
        <translation>el sistema de impresión no indicó ningún motivo</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>The file name “%1” is too short. The results file is named after it with its last four characters replaced by “%2”, so please choose a name of at least four characters, such as results.txt. Nothing was saved.</source>
        <translation>El nombre de archivo «%1» es demasiado corto. El archivo de resultados recibe ese nombre con sus cuatro últimos caracteres cambiados por «%2», así que elige un nombre de al menos cuatro caracteres, por ejemplo resultados.txt. No se ha guardado nada.</translation>
    </message>
</context>
<context>
    <name>ResultsSpreadsheet</name>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Isocline A</source>
        <translation>Isoclina A</translation>
    </message>
    <message>
        <source>Isocline B</source>
        <translation>Isoclina B</translation>
    </message>
    <message>
        <source>the spreadsheet made in the temporary folder could not be read (%1)</source>
        <translation>no se pudo leer la hoja de cálculo creada en la carpeta temporal (%1)</translation>
    </message>
    <message>
        <source>Results file (*)</source>
        <translation>Archivo de resultados (*)</translation>
    </message>
    <message>
        <source>Spreadsheet (*.xlsx)</source>
        <translation>Hoja de cálculo (*.xlsx)</translation>
    </message>
    <message>
        <source>in the temporary folder “%1”, %2</source>
        <translation>en la carpeta temporal «%1», %2</translation>
    </message>
    <message>
        <source>no temporary folder could be made in “%1” (%2)</source>
        <translation>no se pudo crear ninguna carpeta temporal en «%1» (%2)</translation>
    </message>
    <message>
        <source>the part of Vorlenza that makes spreadsheets (%1) could not be loaded (%2); installing Vorlenza again brings it back</source>
        <translation>no se pudo cargar la parte de Vorlenza que crea las hojas de cálculo (%1) (%2); instalar Vorlenza de nuevo la restablece</translation>
    </message>
</context>
<context>
    <name>RunFailure</name>
    <message>
        <source>the simulation length</source>
        <translation>la duración de la simulación</translation>
    </message>
    <message>
        <source>the carrying capacity of species A (K1)</source>
        <translation>la capacidad de carga de la especie A (K1)</translation>
    </message>
    <message>
        <source>the carrying capacity of species B (K2)</source>
        <translation>la capacidad de carga de la especie B (K2)</translation>
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
        <translation>la tasa intrínseca de crecimiento de la especie A (r)</translation>
    </message>
    <message>
        <source>the intrinsic rate of species B (s)</source>
        <translation>la tasa intrínseca de crecimiento de la especie B (s)</translation>
    </message>
    <message>
        <source>the initial size of species A</source>
        <translation>el tamaño inicial de la especie A</translation>
    </message>
    <message>
        <source>the initial size of species B</source>
        <translation>el tamaño inicial de la especie B</translation>
    </message>
    <message>
        <source>a value</source>
        <translation>un valor</translation>
    </message>
    <message>
        <source>The simulation length must be a whole number of days from 1 to %1.</source>
        <translation>La duración de la simulación debe ser un número entero de días entre 1 y %1.</translation>
    </message>
    <message>
        <source>%1 is too large to compute with.</source>
        <translation>%1 es demasiado grande para el cálculo.</translation>
    </message>
    <message>
        <source>%1 must not be 0.</source>
        <translation>%1 no puede ser 0.</translation>
    </message>
    <message>
        <source>The populations grew too large to compute on day %1. Try smaller growth rates.</source>
        <translation>El día %1 las poblaciones crecieron demasiado para poder calcularlas. Prueba con tasas de crecimiento menores.</translation>
    </message>
    <message>
        <source>The isoclines cannot be computed with these values. Try a larger constant a or b.</source>
        <translation>Con estos valores no se pueden calcular las isoclinas. Prueba con una constante a o b mayor.</translation>
    </message>
</context>
<context>
    <name>Scenario</name>
    <message>
        <source>Vorlenza scenarios (*.vorlenza)</source>
        <translation>Escenarios de Vorlenza (*.vorlenza)</translation>
    </message>
    <message>
        <source>“%1” (%2)</source>
        <extracomment>a field of the main window by its label, then the value&apos;s name in a scenario file</extracomment>
        <translation>«%1» (%2)</translation>
    </message>
    <message>
        <source>the entry “chart” names none of the main window&apos;s charts</source>
        <translation>la entrada «chart» no nombra ninguno de los gráficos de la ventana principal</translation>
    </message>
    <message>
        <source>the entry “%1” must be a text of at most %2 characters, or such texts by language</source>
        <translation>la entrada «%1» debe ser un texto de como mucho %2 caracteres, o tales textos por idioma</translation>
    </message>
    <message>
        <source>the entry “lab.starts” must be a list of at most %1 starts [N1, N2] of numbers 0 or more</source>
        <translation>la entrada «lab.starts» debe ser una lista de como mucho %1 inicios [N1, N2] de números mayores o iguales que 0</translation>
    </message>
    <message>
        <source>the entry “%1” must be a group of entries in braces { }</source>
        <translation>la entrada «%1» debe ser un grupo de entradas entre llaves { }</translation>
    </message>
    <message>
        <source>the entry “%1” must be true or false</source>
        <translation>la entrada «%1» debe ser true o false</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>the file is not there (any more)</source>
        <translation>el archivo no existe (o ya no existe)</translation>
    </message>
    <message>
        <source>you may not read it (no permission)</source>
        <translation>no tiene permiso para leerlo</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>no se pudo leer (%1)</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, far more than any scenario holds</source>
        <translation>ocupa más de %1 MB, mucho más de lo que contiene un escenario</translation>
    </message>
    <message>
        <source>it is not a scenario: at line %1, column %2 its text is not JSON (%3)</source>
        <translation>no es un escenario: en la línea %1, columna %2, su texto no es JSON (%3)</translation>
    </message>
    <message>
        <source>it is not a Vorlenza scenario</source>
        <translation>no es un escenario de Vorlenza</translation>
    </message>
    <message>
        <source>it was saved by a newer Vorlenza (scenario version %1; this one reads versions up to %2)</source>
        <translation>lo guardó un Vorlenza más reciente (versión de escenario %1; este lee versiones hasta la %2)</translation>
    </message>
    <message>
        <source>it gives no value for %1</source>
        <translation>no da ningún valor para %1</translation>
    </message>
    <message>
        <source>the value for %1 is not a number</source>
        <translation>el valor de %1 no es un número</translation>
    </message>
    <message>
        <source>the value for %1 must be a whole number of days from 1 to %2</source>
        <translation>el valor de %1 debe ser un número entero de días de 1 a %2</translation>
    </message>
    <message>
        <source>the value for %1 must be a number greater than 0</source>
        <translation>el valor de %1 debe ser un número mayor que 0</translation>
    </message>
    <message>
        <source>scenario</source>
        <extracomment>the name the scenario&apos;s save dialog suggests when the scenario has no title, without its ending</extracomment>
        <translation>escenario</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language as scenario files name their texts by language: de, fr, es, pt_BR or zh_CN. Left &quot;en&quot;, the texts are taken in English.</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <source>The scenario “%1” could not be opened: %2.</source>
        <translation>No se pudo abrir el escenario «%1»: %2.</translation>
    </message>
    <message>
        <source>The scenario “%1” was not opened. %2</source>
        <extracomment>the file, then why its run failed, in a sentence of its own</extracomment>
        <translation>No se abrió el escenario «%1». %2</translation>
    </message>
    <message>
        <source>The scenario could not be saved: %1.</source>
        <translation>No se pudo guardar el escenario: %1.</translation>
    </message>
    <message>
        <source>Sa&amp;ve scenario…</source>
        <translation>Guardar el &amp;escenario…</translation>
    </message>
    <message>
        <source>&amp;Open scenario…</source>
        <translation>&amp;Abrir un escenario…</translation>
    </message>
    <message>
        <source>&amp;Examples</source>
        <translation>E&amp;jemplos</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>The name “%1” cannot be used: a file name here may not hold the character &quot;. Nothing was saved.</source>
        <translation>El nombre «%1» no se puede usar: aquí un nombre de archivo no puede contener el carácter &quot;. No se ha guardado nada.</translation>
    </message>
    <message>
        <source>Save scenario</source>
        <translation>Guardar el escenario</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Note for the students:</source>
        <translation>&amp;Nota para los estudiantes:</translation>
    </message>
    <message>
        <source>Open scenario</source>
        <translation>Abrir un escenario</translation>
    </message>
    <message>
        <source>Save my answers</source>
        <translation>Guardar mis respuestas</translation>
    </message>
    <message>
        <source>&amp;Your name:</source>
        <translation>&amp;Tu nombre:</translation>
    </message>
</context>
<context>
    <name>StepNotice</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>One-day steps are too coarse for %1: the smallest push drives the daily run away from %2, where the equations settle.</source>
        <translation>Los pasos de un día son demasiado gruesos para %1: el menor empujón aleja el cálculo diario de %2, donde las ecuaciones se estabilizan.</translation>
    </message>
    <message>
        <source>One-day steps are too coarse for %1: the daily run settles at %2, the equations at %3.</source>
        <translation>Los pasos de un día son demasiado gruesos para %1: el cálculo diario se estabiliza en %2, las ecuaciones en %3.</translation>
    </message>
    <message>
        <source>One-day steps are too coarse for %1: on day %2 the daily run is at %3, the equations at %4.</source>
        <translation>Los pasos de un día son demasiado gruesos para %1: el día %2 el cálculo diario está en %3, las ecuaciones en %4.</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>the chart could not be drawn</source>
        <translation>no se pudo dibujar el gráfico</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>no se indicó ningún nombre de archivo</translation>
    </message>
    <message>
        <source>the name contains a character that is not allowed in file names</source>
        <translation>el nombre contiene un carácter que no se permite en los nombres de archivo</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>el nombre del archivo es demasiado largo</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>la ruta es demasiado larga</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a file</source>
        <translation>«%1» es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>“%1” is a file, not a folder</source>
        <translation>«%1» es un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>the folder “%1” does not exist</source>
        <translation>la carpeta «%1» no existe</translation>
    </message>
    <message>
        <source>you may not write in the folder “%1” (no permission)</source>
        <translation>no tienes permiso para escribir en la carpeta «%1» (sin permiso)</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>it would be larger than the file size limit of this account (%1 bytes)</source>
        <translation>superaría el límite de tamaño de archivo de esta cuenta (%1 bytes)</translation>
    </message>
    <message>
        <source>not all of it could be written, perhaps because the disk is full</source>
        <translation>no se pudo escribir todo, quizá porque el disco está lleno</translation>
    </message>
    <message>
        <source>; any earlier file of that name is unchanged</source>
        <translation>; cualquier archivo anterior con ese nombre queda sin cambios</translation>
    </message>
    <message>
        <source>the file could not be created (%1)</source>
        <translation>no se pudo crear el archivo (%1)</translation>
    </message>
    <message>
        <source>the new file could not take the place of the earlier one; the earlier file is unchanged</source>
        <translation>el archivo nuevo no pudo ocupar el lugar del anterior; el archivo anterior no ha cambiado</translation>
    </message>
    <message>
        <source>The file “%1” could not be saved: %2.</source>
        <translation>No se pudo guardar el archivo «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>The printer “%1” did not take the page: %2. Let the printer accept jobs again, or set up another printer as the default printer of this computer, then try again.</source>
        <translation>La impresora «%1» no aceptó la página: %2. Haz que la impresora vuelva a aceptar trabajos o configura otra impresora predeterminada en este equipo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>No printer is set up. Set up a printer as the default printer of this computer, then try again.</source>
        <translation>No hay ninguna impresora configurada. Configura una impresora predeterminada en este equipo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The window could not be printed.</source>
        <translation>No se pudo imprimir la ventana.</translation>
    </message>
    <message>
        <source>The window is saved as a PDF document only, and “%1” is the name of another type of file. Nothing was saved. Please choose a name that ends in “.pdf”.</source>
        <translation>La ventana solo se guarda como documento PDF, y «%1» es el nombre de otro tipo de archivo. No se ha guardado nada. Elige un nombre que termine en «.pdf».</translation>
    </message>
    <message>
        <source>The print service of this computer does not answer, so the page was not printed. Try again in a while, or save the page as a PDF file.</source>
        <translation>El servicio de impresión de este equipo no responde, por eso no se imprimió la página. Vuelva a intentarlo dentro de un rato o guarde la página como archivo PDF.</translation>
    </message>
    <message>
        <source>The page waits in the queue of the printer “%1”, which is paused. It will be printed when the printer is resumed.</source>
        <translation>La página espera en la cola de la impresora «%1», que está en pausa. Se imprimirá cuando se reanude la impresora.</translation>
    </message>
</context>
<context>
    <name>WindowPdf</name>
    <message>
        <source>The window could not be saved: it has no area.</source>
        <translation>No se pudo guardar la ventana: no tiene superficie.</translation>
    </message>
    <message>
        <source>the page could not be started</source>
        <translation>no se pudo empezar la página</translation>
    </message>
</context>
<context>
    <name>WindowPrinter</name>
    <message>
        <source>The printer could not be started: </source>
        <translation>No se pudo iniciar la impresora: </translation>
    </message>
    <message>
        <source>no output file was chosen.</source>
        <translation>no se eligió ningún archivo de salida.</translation>
    </message>
    <message>
        <source>the file “%1” could not be written.</source>
        <translation>no se pudo escribir el archivo «%1».</translation>
    </message>
    <message>
        <source>no printer is set up on this computer.</source>
        <translation>no hay ninguna impresora configurada en este equipo.</translation>
    </message>
    <message>
        <source>the printer “%1” is not available or reported an error.</source>
        <translation>la impresora «%1» no está disponible o ha informado de un error.</translation>
    </message>
    <message>
        <source>The window could not be printed: it has no area.</source>
        <translation>No se pudo imprimir la ventana: no tiene superficie.</translation>
    </message>
    <message>
        <source>The page could not be printed: the printer “%1” reported an error.</source>
        <translation>No se pudo imprimir la página: la impresora «%1» ha informado de un error.</translation>
    </message>
</context>
<context>
    <name>frmForm1</name>
    <message>
        <source>Intrinsic rate of species A (r)</source>
        <translation>Tasa intrínseca de crecimiento de la especie A (r)</translation>
    </message>
    <message>
        <source>Initial size of species A</source>
        <translation>Tamaño inicial de la especie A</translation>
    </message>
    <message>
        <source>Carrying capacity for species A (K1)</source>
        <translation>Capacidad de carga para la especie A (K1)</translation>
    </message>
    <message>
        <source>Constant a</source>
        <translation>Constante a</translation>
    </message>
    <message>
        <source>Intrinsic rate of species B (s)</source>
        <translation>Tasa intrínseca de crecimiento de la especie B (s)</translation>
    </message>
    <message>
        <source>Initial size of species B</source>
        <translation>Tamaño inicial de la especie B</translation>
    </message>
    <message>
        <source>Carrying capacity for species B (K2)</source>
        <translation>Capacidad de carga para la especie B (K2)</translation>
    </message>
    <message>
        <source>Constant b</source>
        <translation>Constante b</translation>
    </message>
    <message>
        <source>For t = 0 to (simulation length in days)</source>
        <translation>Para t = 0 a (duración de la simulación en días)</translation>
    </message>
    <message>
        <source>N1 (species A) on the selected day</source>
        <translation>N1 (especie A) en el día elegido</translation>
    </message>
    <message>
        <source>N2 (species B) on the selected day</source>
        <translation>N2 (especie B) en el día elegido</translation>
    </message>
    <message>
        <source>t = (selected day)</source>
        <translation>t = (día elegido)</translation>
    </message>
    <message>
        <source>Day selector</source>
        <translation>Selector de día</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Cuestionario</translation>
    </message>
    <message>
        <source>How to (picture of the two competing species)</source>
        <translation>Guía (imagen de las dos especies en competencia)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Intrinsic rate of species A  (r):</source>
        <translation>Tasa intrínseca especie A (r):</translation>
    </message>
    <message>
        <source>Initial size of species A: </source>
        <translation>Tamaño inicial especie A:</translation>
    </message>
    <message>
        <source>Carrying capacity for species A (K1):</source>
        <translation>Capacidad de carga especie A (K1):</translation>
    </message>
    <message>
        <source>Constant a:</source>
        <translation>Constante a:</translation>
    </message>
    <message>
        <source>Intrinsic rate of species B (s):</source>
        <translation>Tasa intrínseca especie B (s):</translation>
    </message>
    <message>
        <source>Initial size of species B:</source>
        <translation>Tamaño inicial especie B:</translation>
    </message>
    <message>
        <source>Carrying capacity for species B (K2):</source>
        <translation>Capacidad de carga especie B (K2):</translation>
    </message>
    <message>
        <source>Constant b:</source>
        <translation>Constante b:</translation>
    </message>
    <message>
        <source>For t = 0 to </source>
        <translation>Para t = 0 a </translation>
    </message>
</context>
<context>
    <name>frmReference</name>
    <message>
        <source>References</source>
        <translation>Referencias</translation>
    </message>
    <message>
        <source>Volterra, V. 1926. Variazioni e fluttuazioni del numero d&apos;individui in specie animali conviventi. Mem. R. Accad. Naz. Lincei (ser. 6) 2: 31–113. Translated in R. N. Chapman. 1931. Animal Ecology. McGraw-Hill, New York, pp. 409–448.</source>
        <translation>Volterra, V. 1926. Variazioni e fluttuazioni del numero d&apos;individui in specie animali conviventi. Mem. R. Accad. Naz. Lincei (ser. 6) 2: 31–113. Traducido en R. N. Chapman. 1931. Animal Ecology. McGraw-Hill, New York, págs. 409–448.</translation>
    </message>
    <message>
        <source>May, R. M. 1976. Models for two interacting populations. Pages 78–104 in R. M. May (ed.), Theoretical Ecology: Principles and Applications. Blackwell, Oxford.</source>
        <translation>May, R. M. 1976. Models for two interacting populations. Págs. 78–104 en R. M. May (ed.), Theoretical Ecology: Principles and Applications. Blackwell, Oxford.</translation>
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
        <translation>&amp;Laboratorio del plano de fase…</translation>
    </message>
    <message>
        <source>&amp;Direction arrows</source>
        <translation>&amp;Flechas de dirección</translation>
    </message>
    <message>
        <source>Co&amp;ntinuous solution</source>
        <translation>Solución co&amp;ntinua</translation>
    </message>
</context>
<context>
    <name>vorlenza::ChartView</name>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
</context>
<context>
    <name>vorlenza::PlotMenu</name>
    <message>
        <source>Press the Menu key or Shift+F10, or click with the right button, to copy or save the chart.</source>
        <translation>Pulse la tecla Menú o Mayús+F10, o haga clic con el botón derecho, para copiar o guardar el gráfico.</translation>
    </message>
    <message>
        <source>&amp;Copy chart</source>
        <translation>&amp;Copiar el gráfico</translation>
    </message>
    <message>
        <source>&amp;Save chart as…</source>
        <translation>&amp;Guardar el gráfico como…</translation>
    </message>
    <message>
        <source>Save &amp;window as PDF…</source>
        <translation>Guardar la &amp;ventana como PDF…</translation>
    </message>
    <message>
        <source>Save &amp;results as spreadsheet…</source>
        <translation>Guardar los &amp;resultados como hoja de cálculo…</translation>
    </message>
</context>
<context>
    <name>vorlenza::Vater</name>
    <message>
        <source>Picture: hills and a lake at dusk</source>
        <translation>Imagen: colinas y un lago al anochecer</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <translation>Que en paz descanse</translation>
    </message>
    <message>
        <source>Dedication</source>
        <translation>Dedicatoria</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmCopyrigh</name>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:

The Vorlenza authors. %1. Vorlenza Series. Example Univ., Exampletown, Exampleland.</source>
        <translation>Si usas este programa en tu investigación, cita la siguiente referencia en tu trabajo:

The Vorlenza authors. %1. Vorlenza Series. Example Univ., Exampletown, Exampleland.</translation>
    </message>
    <message>
        <source>You can get new version of this program at:
1. https://vorlenza.example.org/
2. https://www.example.com/vorlenza/
(Example Teaching Network).
3. The Vorlenza Project.</source>
        <translation>Puedes obtener nuevas versiones de este programa en:
1. https://vorlenza.example.org/
2. https://www.example.com/vorlenza/
(Example Teaching Network).
3. El proyecto Vorlenza.</translation>
    </message>
    <message>
        <source>© 2004-%1 Vorlenza authors</source>
        <translation>© 2004-%1 equipo Vorlenza</translation>
    </message>
    <message>
        <source>Free software for teaching and learning ecology</source>
        <translation>Software libre para enseñar y aprender ecología</translation>
    </message>
    <message>
        <source>You may run, copy and share this program, in class or anywhere else, and you may change it under the terms of the GNU General Public License, version 3 or any later version. It comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>Puedes ejecutar, copiar y compartir este programa, en clase o en cualquier otro lugar, y modificarlo según los términos de la GNU General Public License, versión 3 o cualquier versión posterior. Se ofrece SIN NINGUNA GARANTÍA.</translation>
    </message>
    <message>
        <source>Protected by copyright law. Copies, changed or not, must keep this notice.</source>
        <translation>Protegido por derechos de autor. Las copias, modificadas o no, deben conservar este aviso.</translation>
    </message>
    <message>
        <source>Some rights reserved.</source>
        <translation>Algunos derechos reservados.</translation>
    </message>
    <message>
        <source>Picture: the two competing species</source>
        <translation>Imagen: las dos especies en competencia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Derechos de autor</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmForm1</name>
    <message>
        <source>© 2004-%1 The Vorlenza authors</source>
        <translation>© 2004-%1 Los autores de Vorlenza</translation>
    </message>
    <message>
        <source>Press Enter to run this program using default values. You can also select a data set at first, then click RUN. To change a default value, move the mouse pointer to a data box and click it.After you change the default values, press Enter to confirm the change and click RUN to run it. Click on the graph to see more graphs.
Comments are welcome.</source>
        <translation>Pulsa Enter para ejecutar el programa con los valores predeterminados. También puedes elegir antes un conjunto de datos y luego hacer clic en EJECUTAR. Para cambiar un valor, haz clic con el ratón en su casilla. Después de cambiar los valores, pulsa Enter para confirmar y haz clic en EJECUTAR. Haz clic en el gráfico para ver más gráficos.
Tus comentarios son bienvenidos.</translation>
    </message>
    <message>
        <source>The Vorlenza authors
vorlenza@example.org
P.O. Box 1234
Population Ecology Laboratory
Department of Biology
Example University
Exampletown, Exampleland</source>
        <translation>Los autores de Vorlenza
vorlenza@example.org
Apartado postal 1234
Laboratorio de Ecología de Poblaciones
Departamento de Biología
Example University
Exampletown, Exampleland</translation>
    </message>
    <message>
        <source> Model </source>
        <translation> Modelo </translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Run this program</source>
        <translation>Ejecutar el programa</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>How to run this program</source>
        <translation>Cómo usar este programa</translation>
    </message>
    <message>
        <source>S</source>
        <translation>G</translation>
    </message>
    <message>
        <source>Save graphic data</source>
        <translation>Guardar los datos del gráfico</translation>
    </message>
    <message>
        <source>P</source>
        <translation>I</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Imprimir esta ventana</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Species A</source>
        <translation>Especie A</translation>
    </message>
    <message>
        <source>Species B</source>
        <translation>Especie B</translation>
    </message>
    <message>
        <source>Select data set:</source>
        <translation>Elige un conjunto:</translation>
    </message>
    <message>
        <source>Select data set 1</source>
        <translation>Elegir el conjunto de datos 1</translation>
    </message>
    <message>
        <source>Select data set 2</source>
        <translation>Elegir el conjunto de datos 2</translation>
    </message>
    <message>
        <source>Select data set 3</source>
        <translation>Elegir el conjunto de datos 3</translation>
    </message>
    <message>
        <source>N1 (species A)</source>
        <translation>N1 (especie A)</translation>
    </message>
    <message>
        <source>N2 (species B)</source>
        <translation>N2 (especie B)</translation>
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
        <translation>Isoclinas</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Ampliar</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmHowto</name>
    <message>
        <source>Click on RUN to run the simulation.
Click on the graph to see more graphs.
Click on a parameter box to change the default value, then press Enter to confirm the change. 

Comments and suggestions are welcome by e-mail to vorlenza@example.org.</source>
        <translation>Haz clic en EJECUTAR para ejecutar la simulación.
Haz clic en el gráfico para ver más gráficos.
Haz clic en la casilla de un parámetro para cambiar su valor predeterminado y pulsa Enter para confirmar el cambio.

Tus comentarios y sugerencias son bienvenidos por correo electrónico a vorlenza@example.org.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Guía</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmIntrofrm</name>
    <message>
        <source>The Lotka–Volterra model of two species that compete for the same resources is the simplest two-species competition model. It is extended from the logistic growth model.  It assumes that all individuals of a species are identical (no age difference and no sexual dimorphism). Detailed discussions can be found in most Ecology textbooks. This model is not applicable to age-structured populations. However, the undergraduate students can use this model to learn about the isocline and equilibrium analysis and vector addition. </source>
        <translation>El modelo de Lotka-Volterra de dos especies que compiten por los mismos recursos es el modelo de competencia entre dos especies más sencillo. Es una ampliación del modelo de crecimiento logístico. Supone que todos los individuos de una especie son idénticos (sin diferencias de edad ni dimorfismo sexual). La mayoría de los libros de ecología lo tratan en detalle. Este modelo no se aplica a poblaciones con estructura de edades. Aun así, con él puedes aprender el análisis de isoclinas y del equilibrio, y la suma de vectores.</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Referencias</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmLab</name>
    <message>
        <source>Phase-plane lab</source>
        <translation>Laboratorio del plano de fase</translation>
    </message>
    <message>
        <source>Phase plane</source>
        <translation>Plano de fase</translation>
    </message>
    <message>
        <source>Map of outcomes</source>
        <translation>Mapa de resultados</translation>
    </message>
    <message>
        <source>The arrow keys move the handle: left and right change alpha, up and down change beta.</source>
        <translation>Las flechas mueven el control: izquierda y derecha cambian alpha, arriba y abajo cambian beta.</translation>
    </message>
    <message>
        <source>K1:</source>
        <translation>K1:</translation>
    </message>
    <message>
        <source>Carrying capacity for species A (K1)</source>
        <translation>Capacidad de carga para la especie A (K1)</translation>
    </message>
    <message>
        <source>K2:</source>
        <translation>K2:</translation>
    </message>
    <message>
        <source>Carrying capacity for species B (K2)</source>
        <translation>Capacidad de carga para la especie B (K2)</translation>
    </message>
    <message>
        <source>r1:</source>
        <translation>r1:</translation>
    </message>
    <message>
        <source>Intrinsic rate of species A (r1)</source>
        <translation>Tasa intrínseca de la especie A (r1)</translation>
    </message>
    <message>
        <source>r2:</source>
        <translation>r2:</translation>
    </message>
    <message>
        <source>Intrinsic rate of species B (r2)</source>
        <translation>Tasa intrínseca de la especie B (r2)</translation>
    </message>
    <message>
        <source>alpha:</source>
        <translation>alpha:</translation>
    </message>
    <message>
        <source>Constant a (alpha, effect of B on A)</source>
        <translation>Constante a (alpha, efecto de B sobre A)</translation>
    </message>
    <message>
        <source>beta:</source>
        <translation>beta:</translation>
    </message>
    <message>
        <source>Constant b (beta, effect of A on B)</source>
        <translation>Constante b (beta, efecto de A sobre B)</translation>
    </message>
    <message>
        <source>Show the daily steps as markers</source>
        <translation>Mostrar los pasos diarios como puntos</translation>
    </message>
    <message>
        <source>Clear trajectories</source>
        <translation>Borrar las trayectorias</translation>
    </message>
    <message>
        <source>Use these values</source>
        <translation>Usar estos valores</translation>
    </message>
    <message>
        <source>Write these constants into the main window&apos;s fields</source>
        <translation>Escribir estas constantes en los campos de la ventana principal</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Imprimir esta ventana</translation>
    </message>
    <message>
        <source>The arrow keys move a cursor; Enter starts a trajectory there. Up to 12 trajectories.</source>
        <translation>Las flechas mueven un cursor; Intro inicia allí una trayectoria. Hasta 12 trayectorias.</translation>
    </message>
    <message>
        <source>Outcome map</source>
        <translation>Mapa de resultados</translation>
    </message>
    <message>
        <source>Equilibria</source>
        <translation>Equilibrios</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Back to the window the lab was opened from</source>
        <translation>Volver a la ventana desde la que se abrió el laboratorio</translation>
    </message>
    <message>
        <source>&amp;Direction arrows</source>
        <translation>&amp;Flechas de dirección</translation>
    </message>
    <message>
        <source>Equilibria:</source>
        <translation>Equilibrios:</translation>
    </message>
    <message>
        <source>every point of the line from (K1, 0) to (0, K2)</source>
        <translation>cada punto de la línea de (K1, 0) a (0, K2)</translation>
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
        <translation>dN1 y dN2 = f(t)</translation>
    </message>
    <message>
        <source>N1 and N2 vs. t</source>
        <translation>N1 y N2 = f(t)</translation>
    </message>
    <message>
        <source>All graphs</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>N1, N2 and isoclines</source>
        <translation>N1, N2 e isoclinas</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Imprimir esta ventana</translation>
    </message>
    <message>
        <source>Main form</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmLesson</name>
    <message>
        <source>Right.</source>
        <translation>Correcto.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <translation>Incorrecto.</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lección</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>&amp;Answer:</source>
        <translation>&amp;Respuesta:</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Calificación</translation>
    </message>
    <message>
        <source>Marks so far</source>
        <translation>Calificaciones hasta ahora</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Previous task</source>
        <translation>Tarea anterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Next task</source>
        <translation>Tarea siguiente</translation>
    </message>
    <message>
        <source>&amp;Save my answers…</source>
        <translation>&amp;Guardar mis respuestas…</translation>
    </message>
    <message>
        <source>Save my answers</source>
        <translation>Guardar mis respuestas</translation>
    </message>
    <message>
        <source>Task %1 of %2: %3</source>
        <translation>Tarea %1 de %2: %3</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Kept for your teacher.</source>
        <translation>Guardado para tu docente.</translation>
    </message>
    <message>
        <source>Marks so far: %1 right of %2 checked</source>
        <translation>Hasta ahora: %1 correctas de %2 comprobadas</translation>
    </message>
    <message>
        <source>Answers (*.json)</source>
        <translation>Respuestas (*.json)</translation>
    </message>
    <message>
        <source>The lesson “%1” could not be opened: %2.</source>
        <translation>No se pudo abrir la lección «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmQuiz</name>
    <message>
        <source>Quiz: four phase planes with their isoclines</source>
        <translation>Cuestionario: cuatro planos de fase con sus isoclinas</translation>
    </message>
    <message>
        <source>Which sketch shows coexistence, which a win of species A, which a win of species B, and which an outcome that depends on the start?</source>
        <translation>¿Qué esquema muestra la coexistencia, cuál la victoria de la especie A, cuál la de la especie B y cuál un resultado que depende del punto de partida?</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <translation>Volver a la ventana principal</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Cuestionario</translation>
    </message>
    <message>
        <source>quiz.jpg</source>
        <extracomment>the file of the quiz picture painted with this language&apos;s words by tools/paint_pictures.cpp</extracomment>
        <translation>quiz-es.jpg</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmReference</name>
    <message>
        <source>Back to main form</source>
        <translation>Volver a la ventana principal</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Referencias</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmTitlform</name>
    <message>
        <source>Press any key or click mouse to start.</source>
        <translation>Pulsa una tecla o haz clic.</translation>
    </message>
</context>
</TS>
