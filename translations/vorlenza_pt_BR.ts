<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Chart</name>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>N1 and N2 vs. time</source>
        <translation>N1 e N2 × tempo</translation>
    </message>
    <message>
        <source>N1 and N2</source>
        <translation>N1 e N2</translation>
    </message>
    <message>
        <source>dN1 and dN2 vs. time</source>
        <translation>dN1 e dN2 × tempo</translation>
    </message>
    <message>
        <source>dN1 and dN2</source>
        <translation>dN1 e dN2</translation>
    </message>
    <message>
        <source>N1 and dN1/dt vs. time</source>
        <translation>N1 e dN1/dt × tempo</translation>
    </message>
    <message>
        <source>N1 and dN1</source>
        <translation>N1 e dN1</translation>
    </message>
    <message>
        <source>N2 and dN2 vs. time</source>
        <translation>N2 e dN2 × tempo</translation>
    </message>
    <message>
        <source>N2 and dN2</source>
        <translation>N2 e dN2</translation>
    </message>
    <message>
        <source>N and dN/dt vs. time</source>
        <translation>N e dN/dt × tempo</translation>
    </message>
    <message>
        <source>N1, dN1, N2 and dN2</source>
        <translation>N1, dN1, N2 e dN2</translation>
    </message>
    <message>
        <source>N2 vs. N1</source>
        <translation>N2 × N1</translation>
    </message>
    <message>
        <source>N2 vs. N1 with isoclines</source>
        <translation>N2 × N1 com isóclinas</translation>
    </message>
    <message>
        <source>%1 (continuous)</source>
        <translation>%1 (contínua)</translation>
    </message>
    <message>
        <source>Arrows: which way N1 and N2 change from each point; the longer the arrow, the faster the change (on a compressed scale).</source>
        <translation>Setas: para onde N1 e N2 mudam a partir de cada ponto; quanto mais longa a seta, mais rápida a mudança (em escala comprimida).</translation>
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
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Desenho SVG (*.svg)</translation>
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
            <numerusform>%1: %2 em função de %3, %n série</numerusform>
            <numerusform>%1: %2 em função de %3, %n séries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> of %n points each</source>
        <translation>
            <numerusform> de %n ponto cada</numerusform>
            <numerusform> de %n pontos cada</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>stable node</source>
        <translation>nó estável</translation>
    </message>
    <message>
        <source>saddle</source>
        <translation>ponto de sela</translation>
    </message>
    <message>
        <source>unstable node</source>
        <translation>nó instável</translation>
    </message>
    <message>
        <source>stable focus</source>
        <translation>foco estável</translation>
    </message>
    <message>
        <source>unstable focus</source>
        <translation>foco instável</translation>
    </message>
    <message>
        <source>not decided by the eigenvalues</source>
        <translation>não decidido pelos autovalores</translation>
    </message>
    <message>
        <source>Eigenvalues per day: %1 and %2</source>
        <translation>Autovalores por dia: %1 e %2</translation>
    </message>
    <message>
        <source>The one-day step keeps it stable.</source>
        <translation>O passo de um dia o mantém estável.</translation>
    </message>
    <message>
        <source>The one-day step does not keep it stable.</source>
        <translation>O passo de um dia não o mantém estável.</translation>
    </message>
    <message>
        <source>Coexistence</source>
        <translation>Coexistência</translation>
    </message>
    <message>
        <source>A wins</source>
        <translation>A vence</translation>
    </message>
    <message>
        <source>B wins</source>
        <translation>B vence</translation>
    </message>
    <message>
        <source>Either wins,
by the start</source>
        <translation>O início
decide</translation>
    </message>
    <message>
        <source>Both species coexist: the isoclines cross at a stable equilibrium, because each species limits itself more than it limits the other.</source>
        <translation>As duas espécies coexistem: as isóclinas se cruzam num equilíbrio estável, porque cada espécie limita mais a si mesma do que à outra.</translation>
    </message>
    <message>
        <source>Species A wins: its isocline lies above B&apos;s everywhere.</source>
        <translation>A espécie A vence: sua isóclina fica em toda parte acima da de B.</translation>
    </message>
    <message>
        <source>Species B wins: its isocline lies above A&apos;s everywhere.</source>
        <translation>A espécie B vence: sua isóclina fica em toda parte acima da de A.</translation>
    </message>
    <message>
        <source>Either species wins, depending on the start: the isoclines cross at a saddle, and the separatrix divides the starts.</source>
        <translation>Vence uma ou outra espécie conforme o início: as isóclinas se cruzam num ponto de sela, e a separatriz divide os inícios.</translation>
    </message>
    <message>
        <source>It ends a line of equilibria: runs nearby stop on the line.</source>
        <translation>É uma ponta de uma linha de equilíbrios: as trajetórias próximas param na linha.</translation>
    </message>
    <message>
        <source>Runs settle here, slowly.</source>
        <translation>As trajetórias se assentam aqui, lentamente.</translation>
    </message>
    <message>
        <source>Runs leave it, slowly.</source>
        <translation>As trajetórias se afastam dele, lentamente.</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>neutro</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>estável</translation>
    </message>
    <message>
        <source>unstable</source>
        <translation>instável</translation>
    </message>
    <message>
        <source>converging slowly</source>
        <translation>convergindo lentamente</translation>
    </message>
    <message>
        <source>(%1, %2): %3; for the equations %4, for one-day steps %5</source>
        <extracomment>an equilibrium: its place, its type, its stability for the equations and for one-day steps</extracomment>
        <translation>(%1, %2): %3; para as equações %4, para os passos de um dia %5</translation>
    </message>
    <message>
        <source>Species A wins from every start with some A, slowly near (0, K2): its isocline lies above B&apos;s and touches it there.</source>
        <translation>A espécie A vence a partir de todo início com algum A, lentamente perto de (0, K2): sua isóclina fica acima da de B e a toca ali.</translation>
    </message>
    <message>
        <source>Species A wins and settles slowly: its isocline lies above B&apos;s and touches it at (K1, 0), where A lives alone.</source>
        <translation>A espécie A vence e se assenta lentamente: sua isóclina fica acima da de B e a toca em (K1, 0), onde A vive sozinha.</translation>
    </message>
    <message>
        <source>Species B wins from every start with some B, slowly near (K1, 0): its isocline lies above A&apos;s and touches it there.</source>
        <translation>A espécie B vence a partir de todo início com algum B, lentamente perto de (K1, 0): sua isóclina fica acima da de A e a toca ali.</translation>
    </message>
    <message>
        <source>Species B wins and settles slowly: its isocline lies above A&apos;s and touches it at (0, K2), where B lives alone.</source>
        <translation>A espécie B vence e se assenta lentamente: sua isóclina fica acima da de A e a toca em (0, K2), onde B vive sozinha.</translation>
    </message>
    <message>
        <source>Neither species wins: the isoclines lie on one another, every point of them is an equilibrium, and the run stops where it meets the line.</source>
        <translation>Nenhuma espécie vence: as isóclinas coincidem, cada ponto delas é um equilíbrio, e a trajetória para onde encontra a linha.</translation>
    </message>
    <message>
        <source>Nobody wins</source>
        <translation>Ninguém vence</translation>
    </message>
    <message>
        <source>The one-day step converges to it, slowly.</source>
        <translation>O passo de um dia converge para ele, lentamente.</translation>
    </message>
    <message>
        <source>Isocline of A (dN1/dt = 0)</source>
        <translation>Isóclina de A (dN1/dt = 0)</translation>
    </message>
    <message>
        <source>Isocline of B (dN2/dt = 0)</source>
        <translation>Isóclina de B (dN2/dt = 0)</translation>
    </message>
    <message>
        <source>Line of equilibria</source>
        <translation>Linha de equilíbrios</translation>
    </message>
    <message>
        <source>Separatrix</source>
        <translation>Separatriz</translation>
    </message>
    <message>
        <source>Trajectories (the equations)</source>
        <translation>Trajetórias (as equações)</translation>
    </message>
    <message>
        <source>Daily steps</source>
        <translation>Passos diários</translation>
    </message>
    <message>
        <source>Cursor at (%1, %2); the nearest equilibrium: %3</source>
        <extracomment>the keyboard cursor&apos;s place, then the nearest equilibrium as the list writes it</extracomment>
        <translation>Cursor em (%1, %2); o equilíbrio mais próximo: %3</translation>
    </message>
    <message>
        <source>Some trajectories end early: these constants make the equations too stiff to solve further in a moment.</source>
        <translation>Algumas trajetórias terminam cedo: com estas constantes as equações ficam rígidas demais para resolvê-las adiante num instante.</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>%1: no problem found in its %2 tasks</source>
        <translation>%1: nenhum problema encontrado em suas %2 tarefas</translation>
    </message>
    <message>
        <source>Which lesson? vorlenza --check-lesson FILE…</source>
        <translation>Qual lição? vorlenza --check-lesson ARQUIVO…</translation>
    </message>
    <message>
        <source>Which answers files? vorlenza --class-summary FILE…</source>
        <translation>Quais arquivos de respostas? vorlenza --class-summary ARQUIVO…</translation>
    </message>
    <message>
        <source>the isoclines cross at a stable point, so both species live on together.</source>
        <translation>as isóclinas se cruzam em um ponto estável, então as duas espécies continuam vivendo juntas.</translation>
    </message>
    <message>
        <source>A&apos;s isocline lies above B&apos;s, so A wins.</source>
        <translation>a isóclina de A fica acima da de B, então A vence.</translation>
    </message>
    <message>
        <source>B&apos;s isocline lies above A&apos;s, so B wins.</source>
        <translation>a isóclina de B fica acima da de A, então B vence.</translation>
    </message>
    <message>
        <source>the isoclines cross at a saddle, so where the run starts decides who wins.</source>
        <translation>as isóclinas se cruzam em um ponto de sela, então o início decide quem vence.</translation>
    </message>
    <message>
        <source>the isoclines lie on one another, so nobody wins.</source>
        <translation>as isóclinas coincidem, então ninguém vence.</translation>
    </message>
    <message>
        <source>alpha = %1 %2 K1/K2 = %3 and beta = %4 %5 K2/K1 = %6: %7</source>
        <translation>alpha = %1 %2 K1/K2 = %3 e beta = %4 %5 K2/K1 = %6: %7</translation>
    </message>
    <message>
        <source>On day %1 the run has N1 = %2 and N2 = %3.</source>
        <translation>No dia %1 a simulação tem N1 = %2 e N2 = %3.</translation>
    </message>
    <message>
        <source>Up to day %1 species %2 grows to %3 at most; the task asks for more than %4.</source>
        <translation>Até o dia %1 a espécie %2 chega no máximo a %3; a tarefa pede mais de %4.</translation>
    </message>
    <message>
        <source>The run with these values fails, so there are no one-day steps to compare.</source>
        <translation>A simulação com esses valores falha, então não há passos de um dia para comparar.</translation>
    </message>
    <message>
        <source>On day %1 the one-day steps give N1 = %2 and N2 = %3, the equations N1 = %4 and N2 = %5: the steps mislead.</source>
        <translation>No dia %1 os passos de um dia dão N1 = %2 e N2 = %3, as equações N1 = %4 e N2 = %5: os passos enganam.</translation>
    </message>
    <message>
        <source>The one-day steps follow the equations closely (r1 = %1, r2 = %2).</source>
        <translation>Os passos de um dia seguem de perto as equações (r1 = %1, r2 = %2).</translation>
    </message>
    <message>
        <source>This run has no such value to read.</source>
        <translation>Esta simulação não tem tal valor para ler.</translation>
    </message>
    <message>
        <source>The run gives %1; an answer within %2 of it is right.</source>
        <translation>A simulação dá %1; uma resposta a no máximo %2 disso está certa.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>“%1” não é um número.</translation>
    </message>
    <message>
        <source>it is missing: this is a scenario, not a lesson</source>
        <translation>está faltando: isto é um cenário, não uma lição</translation>
    </message>
    <message>
        <source>it is missing or does not hold what it must</source>
        <translation>está faltando ou não contém o que deve</translation>
    </message>
    <message>
        <source>“%1” is not what it must hold</source>
        <translation>“%1” não é o que deve conter</translation>
    </message>
    <message>
        <source>this entry means nothing here</source>
        <translation>esta entrada não significa nada aqui</translation>
    </message>
    <message>
        <source>the kind “%1” is none of predict, reach, read and explain</source>
        <translation>o tipo “%1” não é nenhum de predict, reach, read e explain</translation>
    </message>
    <message>
        <source>“%1” is none of the names this entry takes</source>
        <translation>“%1” não é nenhum dos nomes que esta entrada aceita</translation>
    </message>
    <message>
        <source>“%1” names none of the nine values (r1, N1(0), K1, alpha, r2, N2(0), K2, beta, T)</source>
        <translation>“%1” não nomeia nenhum dos nove valores (r1, N1(0), K1, alpha, r2, N2(0), K2, beta, T)</translation>
    </message>
    <message>
        <source>the tolerance “%1” is not a number</source>
        <translation>a tolerância “%1” não é um número</translation>
    </message>
    <message>
        <source>it must be a number greater than 0, not “%1”</source>
        <translation>deve ser um número maior que 0, não “%1”</translation>
    </message>
    <message>
        <source>it must be a whole day from 0 to %1, not “%2”</source>
        <translation>deve ser um dia inteiro de 0 a %1, não “%2”</translation>
    </message>
    <message>
        <source>%1 is a value that %2 does not take</source>
        <translation>%1 é um valor que %2 não aceita</translation>
    </message>
    <message>
        <source>the isoclines lie on one another with these values, so no outcome is right</source>
        <translation>com esses valores as isóclinas coincidem, então nenhum resultado está certo</translation>
    </message>
    <message>
        <source>the isoclines do not cross inside the quadrant with these values, so there is no equilibrium to read</source>
        <translation>com esses valores as isóclinas não se cruzam dentro do quadrante, então não há equilíbrio para ler</translation>
    </message>
    <message>
        <source>a reach task needs exactly one of “outcome”, “above” and “steps”</source>
        <translation>uma tarefa reach precisa de exatamente um de “outcome”, “above” e “steps”</translation>
    </message>
    <message>
        <source>task %1</source>
        <translation>tarefa %1</translation>
    </message>
    <message>
        <source>entry “%1”</source>
        <translation>entrada “%1”</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>o arquivo</translation>
    </message>
    <message>
        <source>the lesson</source>
        <translation>a lição</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>where a lesson&apos;s problem is (&quot;task 3, entry “tolerance”&quot;), then what it is</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>it is not a Vorlenza answers file</source>
        <translation>não é um arquivo de respostas do Vorlenza</translation>
    </message>
    <message>
        <source>the entry “%1” does not hold what it must</source>
        <translation>a entrada “%1” não contém o que deve</translation>
    </message>
    <message>
        <source>“%1” is left out: %2.</source>
        <translation>“%1” foi deixado de fora: %2.</translation>
    </message>
    <message>
        <source>“%1” is left out: it holds answers to another lesson (“%2”), not to “%3”.</source>
        <translation>“%1” foi deixado de fora: contém respostas de outra lição (“%2”), não de “%3”.</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Aluno</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>Tarefa %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Species A</source>
        <translation>Espécie A</translation>
    </message>
    <message>
        <source>Species B</source>
        <translation>Espécie B</translation>
    </message>
    <message>
        <source>Both species coexist</source>
        <translation>As duas espécies coexistem</translation>
    </message>
    <message>
        <source>Species A wins</source>
        <translation>A espécie A vence</translation>
    </message>
    <message>
        <source>Species B wins</source>
        <translation>A espécie B vence</translation>
    </message>
    <message>
        <source>The start decides</source>
        <translation>O início decide</translation>
    </message>
    <message>
        <source>right</source>
        <translation>certa</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>errada</translation>
    </message>
    <message>
        <source>kept for the teacher</source>
        <translation>guardada para o professor</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>não verificada</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nome: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Right: %1 of %2 marked</source>
        <translation>Certas: %1 de %2 avaliadas</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Resposta: %1</translation>
    </message>
    <message>
        <source>Mark: %1</source>
        <translation>Avaliação: %1</translation>
    </message>
    <message>
        <source>the worksheet&apos;s page could not be started</source>
        <translation>não foi possível começar a página da folha de trabalho</translation>
    </message>
</context>
<context>
    <name>PointReadout</name>
    <message>
        <source>Day %1: %2</source>
        <translation>Dia %1: %2</translation>
    </message>
    <message>
        <source>Continuous solution: %1</source>
        <translation>Solução contínua: %1</translation>
    </message>
</context>
<context>
    <name>PrintQueue</name>
    <message>
        <source>the printer does not accept jobs</source>
        <translation>a impressora não aceita trabalhos</translation>
    </message>
    <message>
        <source>the print system gave no reason</source>
        <translation>o sistema de impressão não informou o motivo</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>The file name “%1” is too short. The results file is named after it with its last four characters replaced by “%2”, so please choose a name of at least four characters, such as results.txt. Nothing was saved.</source>
        <translation>O nome de arquivo “%1” é curto demais. O arquivo de resultados recebe esse nome com os quatro últimos caracteres trocados por “%2”; por isso, escolha um nome com pelo menos quatro caracteres, como resultados.txt. Nada foi salvo.</translation>
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
        <translation>Isóclina A</translation>
    </message>
    <message>
        <source>Isocline B</source>
        <translation>Isóclina B</translation>
    </message>
    <message>
        <source>the spreadsheet made in the temporary folder could not be read (%1)</source>
        <translation>não foi possível ler a planilha criada na pasta temporária (%1)</translation>
    </message>
    <message>
        <source>Results file (*)</source>
        <translation>Arquivo de resultados (*)</translation>
    </message>
    <message>
        <source>Spreadsheet (*.xlsx)</source>
        <translation>Planilha (*.xlsx)</translation>
    </message>
    <message>
        <source>in the temporary folder “%1”, %2</source>
        <translation>na pasta temporária “%1”, %2</translation>
    </message>
    <message>
        <source>no temporary folder could be made in “%1” (%2)</source>
        <translation>não foi possível criar uma pasta temporária em “%1” (%2)</translation>
    </message>
    <message>
        <source>the part of Vorlenza that makes spreadsheets (%1) could not be loaded (%2); installing Vorlenza again brings it back</source>
        <translation>não foi possível carregar a parte do Vorlenza que cria planilhas (%1) (%2); instalar o Vorlenza novamente a restaura</translation>
    </message>
</context>
<context>
    <name>RunFailure</name>
    <message>
        <source>the simulation length</source>
        <translation>a duração da simulação</translation>
    </message>
    <message>
        <source>the carrying capacity of species A (K1)</source>
        <translation>a capacidade de suporte da espécie A (K1)</translation>
    </message>
    <message>
        <source>the carrying capacity of species B (K2)</source>
        <translation>a capacidade de suporte da espécie B (K2)</translation>
    </message>
    <message>
        <source>constant a</source>
        <translation>a constante a</translation>
    </message>
    <message>
        <source>constant b</source>
        <translation>a constante b</translation>
    </message>
    <message>
        <source>the intrinsic rate of species A (r)</source>
        <translation>a taxa intrínseca de crescimento da espécie A (r)</translation>
    </message>
    <message>
        <source>the intrinsic rate of species B (s)</source>
        <translation>a taxa intrínseca de crescimento da espécie B (s)</translation>
    </message>
    <message>
        <source>the initial size of species A</source>
        <translation>o tamanho inicial da espécie A</translation>
    </message>
    <message>
        <source>the initial size of species B</source>
        <translation>o tamanho inicial da espécie B</translation>
    </message>
    <message>
        <source>a value</source>
        <translation>um valor</translation>
    </message>
    <message>
        <source>The simulation length must be a whole number of days from 1 to %1.</source>
        <translation>A duração da simulação deve ser um número inteiro de dias entre 1 e %1.</translation>
    </message>
    <message>
        <source>%1 is too large to compute with.</source>
        <translation>%1 é grande demais para o cálculo.</translation>
    </message>
    <message>
        <source>%1 must not be 0.</source>
        <translation>%1 não pode ser 0.</translation>
    </message>
    <message>
        <source>The populations grew too large to compute on day %1. Try smaller growth rates.</source>
        <translation>No dia %1, as populações ficaram grandes demais para o cálculo. Tente taxas de crescimento menores.</translation>
    </message>
    <message>
        <source>The isoclines cannot be computed with these values. Try a larger constant a or b.</source>
        <translation>Não é possível calcular as isóclinas com esses valores. Tente uma constante a ou b maior.</translation>
    </message>
</context>
<context>
    <name>Scenario</name>
    <message>
        <source>Vorlenza scenarios (*.vorlenza)</source>
        <translation>Cenários do Vorlenza (*.vorlenza)</translation>
    </message>
    <message>
        <source>“%1” (%2)</source>
        <extracomment>a field of the main window by its label, then the value&apos;s name in a scenario file</extracomment>
        <translation>“%1” (%2)</translation>
    </message>
    <message>
        <source>the entry “chart” names none of the main window&apos;s charts</source>
        <translation>a entrada “chart” não nomeia nenhum dos gráficos da janela principal</translation>
    </message>
    <message>
        <source>the entry “%1” must be a text of at most %2 characters, or such texts by language</source>
        <translation>a entrada “%1” deve ser um texto de no máximo %2 caracteres, ou tais textos por idioma</translation>
    </message>
    <message>
        <source>the entry “lab.starts” must be a list of at most %1 starts [N1, N2] of numbers 0 or more</source>
        <translation>a entrada “lab.starts” deve ser uma lista de no máximo %1 inícios [N1, N2] de números maiores ou iguais a 0</translation>
    </message>
    <message>
        <source>the entry “%1” must be a group of entries in braces { }</source>
        <translation>a entrada “%1” deve ser um grupo de entradas entre chaves { }</translation>
    </message>
    <message>
        <source>the entry “%1” must be true or false</source>
        <translation>a entrada “%1” deve ser true ou false</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>the file is not there (any more)</source>
        <translation>o arquivo não existe (mais)</translation>
    </message>
    <message>
        <source>you may not read it (no permission)</source>
        <translation>você não tem permissão para lê-lo</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>não foi possível lê-lo (%1)</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, far more than any scenario holds</source>
        <translation>tem mais de %1 MB, muito mais do que um cenário contém</translation>
    </message>
    <message>
        <source>it is not a scenario: at line %1, column %2 its text is not JSON (%3)</source>
        <translation>não é um cenário: na linha %1, coluna %2, o texto não é JSON (%3)</translation>
    </message>
    <message>
        <source>it is not a Vorlenza scenario</source>
        <translation>não é um cenário do Vorlenza</translation>
    </message>
    <message>
        <source>it was saved by a newer Vorlenza (scenario version %1; this one reads versions up to %2)</source>
        <translation>foi salvo por um Vorlenza mais novo (versão de cenário %1; este lê versões até %2)</translation>
    </message>
    <message>
        <source>it gives no value for %1</source>
        <translation>não dá nenhum valor para %1</translation>
    </message>
    <message>
        <source>the value for %1 is not a number</source>
        <translation>o valor de %1 não é um número</translation>
    </message>
    <message>
        <source>the value for %1 must be a whole number of days from 1 to %2</source>
        <translation>o valor de %1 deve ser um número inteiro de dias de 1 a %2</translation>
    </message>
    <message>
        <source>the value for %1 must be a number greater than 0</source>
        <translation>o valor de %1 deve ser um número maior que 0</translation>
    </message>
    <message>
        <source>scenario</source>
        <extracomment>the name the scenario&apos;s save dialog suggests when the scenario has no title, without its ending</extracomment>
        <translation>cenário</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language as scenario files name their texts by language: de, fr, es, pt_BR or zh_CN. Left &quot;en&quot;, the texts are taken in English.</extracomment>
        <translation>pt_BR</translation>
    </message>
    <message>
        <source>The scenario “%1” could not be opened: %2.</source>
        <translation>Não foi possível abrir o cenário “%1”: %2.</translation>
    </message>
    <message>
        <source>The scenario “%1” was not opened. %2</source>
        <extracomment>the file, then why its run failed, in a sentence of its own</extracomment>
        <translation>O cenário “%1” não foi aberto. %2</translation>
    </message>
    <message>
        <source>The scenario could not be saved: %1.</source>
        <translation>Não foi possível salvar o cenário: %1.</translation>
    </message>
    <message>
        <source>Sa&amp;ve scenario…</source>
        <translation>Salvar o c&amp;enário…</translation>
    </message>
    <message>
        <source>&amp;Open scenario…</source>
        <translation>&amp;Abrir um cenário…</translation>
    </message>
    <message>
        <source>&amp;Examples</source>
        <translation>E&amp;xemplos</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Save as PDF…</source>
        <translation>Salvar como PDF…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>The name “%1” cannot be used: a file name here may not hold the character &quot;. Nothing was saved.</source>
        <translation>O nome “%1” não pode ser usado: aqui um nome de arquivo não pode conter o caractere &quot;. Nada foi salvo.</translation>
    </message>
    <message>
        <source>Save scenario</source>
        <translation>Salvar o cenário</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Note for the students:</source>
        <translation>&amp;Nota para os estudantes:</translation>
    </message>
    <message>
        <source>Open scenario</source>
        <translation>Abrir um cenário</translation>
    </message>
    <message>
        <source>Save my answers</source>
        <translation>Salvar minhas respostas</translation>
    </message>
    <message>
        <source>&amp;Your name:</source>
        <translation>&amp;Seu nome:</translation>
    </message>
</context>
<context>
    <name>StepNotice</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>One-day steps are too coarse for %1: the smallest push drives the daily run away from %2, where the equations settle.</source>
        <translation>Passos de um dia são grosseiros demais para %1: o menor empurrão afasta o cálculo diário de %2, onde as equações se estabilizam.</translation>
    </message>
    <message>
        <source>One-day steps are too coarse for %1: the daily run settles at %2, the equations at %3.</source>
        <translation>Passos de um dia são grosseiros demais para %1: o cálculo diário se estabiliza em %2, as equações em %3.</translation>
    </message>
    <message>
        <source>One-day steps are too coarse for %1: on day %2 the daily run is at %3, the equations at %4.</source>
        <translation>Passos de um dia são grosseiros demais para %1: no dia %2 o cálculo diário está em %3, as equações em %4.</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>the chart could not be drawn</source>
        <translation>não foi possível desenhar o gráfico</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>nenhum nome de arquivo foi informado</translation>
    </message>
    <message>
        <source>the name contains a character that is not allowed in file names</source>
        <translation>o nome contém um caractere que não é permitido em nomes de arquivo</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>o nome do arquivo é longo demais</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>o caminho é longo demais</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a file</source>
        <translation>“%1” é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>“%1” is a file, not a folder</source>
        <translation>“%1” é um arquivo, não uma pasta</translation>
    </message>
    <message>
        <source>the folder “%1” does not exist</source>
        <translation>a pasta “%1” não existe</translation>
    </message>
    <message>
        <source>you may not write in the folder “%1” (no permission)</source>
        <translation>você não tem permissão para gravar na pasta “%1” (sem permissão)</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>o arquivo é somente leitura</translation>
    </message>
    <message>
        <source>it would be larger than the file size limit of this account (%1 bytes)</source>
        <translation>ele ultrapassaria o limite de tamanho de arquivo desta conta (%1 bytes)</translation>
    </message>
    <message>
        <source>not all of it could be written, perhaps because the disk is full</source>
        <translation>não foi possível gravar tudo, talvez porque o disco esteja cheio</translation>
    </message>
    <message>
        <source>; any earlier file of that name is unchanged</source>
        <translation>; qualquer arquivo anterior com esse nome continua inalterado</translation>
    </message>
    <message>
        <source>the file could not be created (%1)</source>
        <translation>não foi possível criar o arquivo (%1)</translation>
    </message>
    <message>
        <source>the new file could not take the place of the earlier one; the earlier file is unchanged</source>
        <translation>o novo arquivo não pôde tomar o lugar do anterior; o arquivo anterior não foi alterado</translation>
    </message>
    <message>
        <source>The file “%1” could not be saved: %2.</source>
        <translation>Não foi possível salvar o arquivo “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>The printer “%1” did not take the page: %2. Let the printer accept jobs again, or set up another printer as the default printer of this computer, then try again.</source>
        <translation>A impressora “%1” não aceitou a página: %2. Faça a impressora voltar a aceitar trabalhos ou defina outra impressora padrão neste computador e tente novamente.</translation>
    </message>
    <message>
        <source>No printer is set up. Set up a printer as the default printer of this computer, then try again.</source>
        <translation>Nenhuma impressora está configurada. Defina uma impressora padrão neste computador e tente novamente.</translation>
    </message>
    <message>
        <source>The window could not be printed.</source>
        <translation>Não foi possível imprimir a janela.</translation>
    </message>
    <message>
        <source>The window is saved as a PDF document only, and “%1” is the name of another type of file. Nothing was saved. Please choose a name that ends in “.pdf”.</source>
        <translation>A janela é salva somente como documento PDF, e “%1” é o nome de outro tipo de arquivo. Nada foi salvo. Escolha um nome que termine em “.pdf”.</translation>
    </message>
    <message>
        <source>The print service of this computer does not answer, so the page was not printed. Try again in a while, or save the page as a PDF file.</source>
        <translation>O serviço de impressão deste computador não responde, por isso a página não foi impressa. Tente de novo daqui a pouco ou salve a página como arquivo PDF.</translation>
    </message>
    <message>
        <source>The page waits in the queue of the printer “%1”, which is paused. It will be printed when the printer is resumed.</source>
        <translation>A página aguarda na fila da impressora “%1”, que está pausada. Ela será impressa quando a impressora for retomada.</translation>
    </message>
</context>
<context>
    <name>WindowPdf</name>
    <message>
        <source>The window could not be saved: it has no area.</source>
        <translation>Não foi possível salvar a janela: ela não tem área.</translation>
    </message>
    <message>
        <source>the page could not be started</source>
        <translation>não foi possível iniciar a página</translation>
    </message>
</context>
<context>
    <name>WindowPrinter</name>
    <message>
        <source>The printer could not be started: </source>
        <translation>Não foi possível iniciar a impressora: </translation>
    </message>
    <message>
        <source>no output file was chosen.</source>
        <translation>nenhum arquivo de saída foi escolhido.</translation>
    </message>
    <message>
        <source>the file “%1” could not be written.</source>
        <translation>não foi possível gravar o arquivo “%1”.</translation>
    </message>
    <message>
        <source>no printer is set up on this computer.</source>
        <translation>não há nenhuma impressora configurada neste computador.</translation>
    </message>
    <message>
        <source>the printer “%1” is not available or reported an error.</source>
        <translation>a impressora “%1” não está disponível ou informou um erro.</translation>
    </message>
    <message>
        <source>The window could not be printed: it has no area.</source>
        <translation>Não foi possível imprimir a janela: ela não tem área.</translation>
    </message>
    <message>
        <source>The page could not be printed: the printer “%1” reported an error.</source>
        <translation>Não foi possível imprimir a página: a impressora “%1” informou um erro.</translation>
    </message>
</context>
<context>
    <name>frmForm1</name>
    <message>
        <source>Intrinsic rate of species A (r)</source>
        <translation>Taxa intrínseca de crescimento da espécie A (r)</translation>
    </message>
    <message>
        <source>Initial size of species A</source>
        <translation>Tamanho inicial da espécie A</translation>
    </message>
    <message>
        <source>Carrying capacity for species A (K1)</source>
        <translation>Capacidade de suporte para a espécie A (K1)</translation>
    </message>
    <message>
        <source>Constant a</source>
        <translation>Constante a</translation>
    </message>
    <message>
        <source>Intrinsic rate of species B (s)</source>
        <translation>Taxa intrínseca de crescimento da espécie B (s)</translation>
    </message>
    <message>
        <source>Initial size of species B</source>
        <translation>Tamanho inicial da espécie B</translation>
    </message>
    <message>
        <source>Carrying capacity for species B (K2)</source>
        <translation>Capacidade de suporte para a espécie B (K2)</translation>
    </message>
    <message>
        <source>Constant b</source>
        <translation>Constante b</translation>
    </message>
    <message>
        <source>For t = 0 to (simulation length in days)</source>
        <translation>Para t = 0 a (duração da simulação em dias)</translation>
    </message>
    <message>
        <source>N1 (species A) on the selected day</source>
        <translation>N1 (espécie A) no dia escolhido</translation>
    </message>
    <message>
        <source>N2 (species B) on the selected day</source>
        <translation>N2 (espécie B) no dia escolhido</translation>
    </message>
    <message>
        <source>t = (selected day)</source>
        <translation>t = (dia escolhido)</translation>
    </message>
    <message>
        <source>Day selector</source>
        <translation>Seletor de dia</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Teste</translation>
    </message>
    <message>
        <source>How to (picture of the two competing species)</source>
        <translation>Guia (imagem das duas espécies em competição)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Relógio</translation>
    </message>
    <message>
        <source>Intrinsic rate of species A  (r):</source>
        <translation>Taxa intrínseca espécie A (r):</translation>
    </message>
    <message>
        <source>Initial size of species A: </source>
        <translation>Tamanho inicial espécie A:</translation>
    </message>
    <message>
        <source>Carrying capacity for species A (K1):</source>
        <translation>Capacidade de suporte A (K1):</translation>
    </message>
    <message>
        <source>Constant a:</source>
        <translation>Constante a:</translation>
    </message>
    <message>
        <source>Intrinsic rate of species B (s):</source>
        <translation>Taxa intrínseca espécie B (s):</translation>
    </message>
    <message>
        <source>Initial size of species B:</source>
        <translation>Tamanho inicial espécie B:</translation>
    </message>
    <message>
        <source>Carrying capacity for species B (K2):</source>
        <translation>Capacidade de suporte B (K2):</translation>
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
        <translation>Referências</translation>
    </message>
    <message>
        <source>Volterra, V. 1926. Variazioni e fluttuazioni del numero d&apos;individui in specie animali conviventi. Mem. R. Accad. Naz. Lincei (ser. 6) 2: 31–113. Translated in R. N. Chapman. 1931. Animal Ecology. McGraw-Hill, New York, pp. 409–448.</source>
        <translation>Volterra, V. 1926. Variazioni e fluttuazioni del numero d&apos;individui in specie animali conviventi. Mem. R. Accad. Naz. Lincei (ser. 6) 2: 31–113. Traduzido em R. N. Chapman. 1931. Animal Ecology. McGraw-Hill, New York, p. 409–448.</translation>
    </message>
    <message>
        <source>May, R. M. 1976. Models for two interacting populations. Pages 78–104 in R. M. May (ed.), Theoretical Ecology: Principles and Applications. Blackwell, Oxford.</source>
        <translation>May, R. M. 1976. Models for two interacting populations. P. 78–104 em R. M. May (ed.), Theoretical Ecology: Principles and Applications. Blackwell, Oxford.</translation>
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
        <translation>&amp;Laboratório do plano de fase…</translation>
    </message>
    <message>
        <source>&amp;Direction arrows</source>
        <translation>Setas de &amp;direção</translation>
    </message>
    <message>
        <source>Co&amp;ntinuous solution</source>
        <translation>Solução co&amp;ntínua</translation>
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
        <translation>Pressione a tecla Menu ou Shift+F10, ou clique com o botão direito, para copiar ou salvar o gráfico.</translation>
    </message>
    <message>
        <source>&amp;Copy chart</source>
        <translation>&amp;Copiar o gráfico</translation>
    </message>
    <message>
        <source>&amp;Save chart as…</source>
        <translation>&amp;Salvar o gráfico como…</translation>
    </message>
    <message>
        <source>Save &amp;window as PDF…</source>
        <translation>Salvar a &amp;janela como PDF…</translation>
    </message>
    <message>
        <source>Save &amp;results as spreadsheet…</source>
        <translation>Salvar os &amp;resultados como planilha…</translation>
    </message>
</context>
<context>
    <name>vorlenza::Vater</name>
    <message>
        <source>Picture: hills and a lake at dusk</source>
        <translation>Imagem: colinas e um lago ao entardecer</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <translation>Que Deus o tenha</translation>
    </message>
    <message>
        <source>Dedication</source>
        <translation>Dedicatória</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmCopyrigh</name>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:

The Vorlenza authors. %1. Vorlenza Series. Example Univ., Exampletown, Exampleland.</source>
        <translation>Se você usar este programa em sua pesquisa, cite a seguinte referência em seu trabalho:

The Vorlenza authors. %1. Vorlenza Series. Example Univ., Exampletown, Exampleland.</translation>
    </message>
    <message>
        <source>You can get new version of this program at:
1. https://vorlenza.example.org/
2. https://www.example.com/vorlenza/
(Example Teaching Network).
3. The Vorlenza Project.</source>
        <translation>Você pode obter novas versões deste programa em:
1. https://vorlenza.example.org/
2. https://www.example.com/vorlenza/
(Example Teaching Network).
3. O Projeto Vorlenza.</translation>
    </message>
    <message>
        <source>© 2004-%1 Vorlenza authors</source>
        <translation>© 2004-%1 equipe Vorlenza</translation>
    </message>
    <message>
        <source>Free software for teaching and learning ecology</source>
        <translation>Software livre para ensinar e aprender ecologia</translation>
    </message>
    <message>
        <source>You may run, copy and share this program, in class or anywhere else, and you may change it under the terms of the GNU General Public License, version 3 or any later version. It comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>Você pode executar, copiar e compartilhar este programa, na sala de aula ou em qualquer outro lugar, e modificá-lo nos termos da GNU General Public License, versão 3 ou qualquer versão posterior. Ele é fornecido SEM NENHUMA GARANTIA.</translation>
    </message>
    <message>
        <source>Protected by copyright law. Copies, changed or not, must keep this notice.</source>
        <translation>Protegido por direitos autorais. As cópias, modificadas ou não, devem manter este aviso.</translation>
    </message>
    <message>
        <source>Some rights reserved.</source>
        <translation>Alguns direitos reservados.</translation>
    </message>
    <message>
        <source>Picture: the two competing species</source>
        <translation>Imagem: as duas espécies em competição</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Direitos autorais</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmForm1</name>
    <message>
        <source>© 2004-%1 The Vorlenza authors</source>
        <translation>© 2004-%1 Os autores do Vorlenza</translation>
    </message>
    <message>
        <source>Press Enter to run this program using default values. You can also select a data set at first, then click RUN. To change a default value, move the mouse pointer to a data box and click it.After you change the default values, press Enter to confirm the change and click RUN to run it. Click on the graph to see more graphs.
Comments are welcome.</source>
        <translation>Pressione Enter para executar o programa com os valores padrão. Você também pode escolher antes um conjunto de dados e depois clicar em SIMULAR. Para mudar um valor, clique com o mouse na caixa dele. Depois de mudar os valores, pressione Enter para confirmar e clique em SIMULAR. Clique no gráfico para ver mais gráficos.
Comentários são bem-vindos.</translation>
    </message>
    <message>
        <source>The Vorlenza authors
vorlenza@example.org
P.O. Box 1234
Population Ecology Laboratory
Department of Biology
Example University
Exampletown, Exampleland</source>
        <translation>Os autores do Vorlenza
vorlenza@example.org
Caixa Postal 1234
Laboratório de Ecologia de Populações
Departamento de Biologia
Example University
Exampletown, Exampleland</translation>
    </message>
    <message>
        <source> Model </source>
        <translation> Modelo </translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Dados</translation>
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
        <translation>Introdução</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Simular</translation>
    </message>
    <message>
        <source>Run this program</source>
        <translation>Executar o programa</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Guia</translation>
    </message>
    <message>
        <source>How to run this program</source>
        <translation>Como usar este programa</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Save graphic data</source>
        <translation>Salvar os dados do gráfico</translation>
    </message>
    <message>
        <source>P</source>
        <translation>I</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Imprimir esta janela</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>Species A</source>
        <translation>Espécie A</translation>
    </message>
    <message>
        <source>Species B</source>
        <translation>Espécie B</translation>
    </message>
    <message>
        <source>Select data set:</source>
        <translation>Escolha um conjunto:</translation>
    </message>
    <message>
        <source>Select data set 1</source>
        <translation>Escolher o conjunto de dados 1</translation>
    </message>
    <message>
        <source>Select data set 2</source>
        <translation>Escolher o conjunto de dados 2</translation>
    </message>
    <message>
        <source>Select data set 3</source>
        <translation>Escolher o conjunto de dados 3</translation>
    </message>
    <message>
        <source>N1 (species A)</source>
        <translation>N1 (espécie A)</translation>
    </message>
    <message>
        <source>N2 (species B)</source>
        <translation>N2 (espécie B)</translation>
    </message>
    <message>
        <source>N2 vs. N1</source>
        <translation>N2 × N1</translation>
    </message>
    <message>
        <source>dN vs. t</source>
        <translation>dN × t</translation>
    </message>
    <message>
        <source>N vs. t</source>
        <translation>N × t</translation>
    </message>
    <message>
        <source>Isoclines</source>
        <translation>Isóclinas</translation>
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
        <translation>Clique em SIMULAR para executar a simulação.
Clique no gráfico para ver mais gráficos.
Clique na caixa de um parâmetro para mudar o valor padrão e pressione Enter para confirmar a mudança.

Comentários e sugestões são bem-vindos pelo e-mail vorlenza@example.org.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Guia</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmIntrofrm</name>
    <message>
        <source>The Lotka–Volterra model of two species that compete for the same resources is the simplest two-species competition model. It is extended from the logistic growth model.  It assumes that all individuals of a species are identical (no age difference and no sexual dimorphism). Detailed discussions can be found in most Ecology textbooks. This model is not applicable to age-structured populations. However, the undergraduate students can use this model to learn about the isocline and equilibrium analysis and vector addition. </source>
        <translation>O modelo de Lotka-Volterra de duas espécies que competem pelos mesmos recursos é o modelo mais simples de competição entre duas espécies. Ele amplia o modelo de crescimento logístico. Ele supõe que todos os indivíduos de uma espécie são idênticos (sem diferença de idade nem dimorfismo sexual). A maioria dos livros de ecologia o discute em detalhe. Este modelo não se aplica a populações com estrutura etária. Mesmo assim, com ele você pode aprender a análise de isóclinas e do equilíbrio e a soma de vetores.</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Referências</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introdução</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmLab</name>
    <message>
        <source>Phase-plane lab</source>
        <translation>Laboratório do plano de fase</translation>
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
        <translation>As setas movem a alça: esquerda e direita mudam alpha, cima e baixo mudam beta.</translation>
    </message>
    <message>
        <source>K1:</source>
        <translation>K1:</translation>
    </message>
    <message>
        <source>Carrying capacity for species A (K1)</source>
        <translation>Capacidade de suporte para a espécie A (K1)</translation>
    </message>
    <message>
        <source>K2:</source>
        <translation>K2:</translation>
    </message>
    <message>
        <source>Carrying capacity for species B (K2)</source>
        <translation>Capacidade de suporte para a espécie B (K2)</translation>
    </message>
    <message>
        <source>r1:</source>
        <translation>r1:</translation>
    </message>
    <message>
        <source>Intrinsic rate of species A (r1)</source>
        <translation>Taxa intrínseca da espécie A (r1)</translation>
    </message>
    <message>
        <source>r2:</source>
        <translation>r2:</translation>
    </message>
    <message>
        <source>Intrinsic rate of species B (r2)</source>
        <translation>Taxa intrínseca da espécie B (r2)</translation>
    </message>
    <message>
        <source>alpha:</source>
        <translation>alpha:</translation>
    </message>
    <message>
        <source>Constant a (alpha, effect of B on A)</source>
        <translation>Constante a (alpha, efeito de B sobre A)</translation>
    </message>
    <message>
        <source>beta:</source>
        <translation>beta:</translation>
    </message>
    <message>
        <source>Constant b (beta, effect of A on B)</source>
        <translation>Constante b (beta, efeito de A sobre B)</translation>
    </message>
    <message>
        <source>Show the daily steps as markers</source>
        <translation>Mostrar os passos diários como pontos</translation>
    </message>
    <message>
        <source>Clear trajectories</source>
        <translation>Apagar as trajetórias</translation>
    </message>
    <message>
        <source>Use these values</source>
        <translation>Usar estes valores</translation>
    </message>
    <message>
        <source>Write these constants into the main window&apos;s fields</source>
        <translation>Escrever estas constantes nos campos da janela principal</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Imprimir esta janela</translation>
    </message>
    <message>
        <source>The arrow keys move a cursor; Enter starts a trajectory there. Up to 12 trajectories.</source>
        <translation>As setas movem um cursor; Enter inicia ali uma trajetória. Até 12 trajetórias.</translation>
    </message>
    <message>
        <source>Outcome map</source>
        <translation>Mapa de resultados</translation>
    </message>
    <message>
        <source>Equilibria</source>
        <translation>Equilíbrios</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Back to the window the lab was opened from</source>
        <translation>Voltar à janela de onde o laboratório foi aberto</translation>
    </message>
    <message>
        <source>&amp;Direction arrows</source>
        <translation>Setas de &amp;direção</translation>
    </message>
    <message>
        <source>Equilibria:</source>
        <translation>Equilíbrios:</translation>
    </message>
    <message>
        <source>every point of the line from (K1, 0) to (0, K2)</source>
        <translation>cada ponto da linha de (K1, 0) a (0, K2)</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmLarggraf</name>
    <message>
        <source>N2 vs. N1</source>
        <translation>N2 × N1</translation>
    </message>
    <message>
        <source>dN1 and dN2 vs. time</source>
        <translation>dN1 e dN2 × tempo</translation>
    </message>
    <message>
        <source>N1 and N2 vs. t</source>
        <translation>N1 e N2 × t</translation>
    </message>
    <message>
        <source>All graphs</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>N1, N2 and isoclines</source>
        <translation>N1, N2 e isóclinas</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Imprimir esta janela</translation>
    </message>
    <message>
        <source>Main form</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmLesson</name>
    <message>
        <source>Right.</source>
        <translation>Certo.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <translation>Errado.</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lição</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tarefa</translation>
    </message>
    <message>
        <source>&amp;Answer:</source>
        <translation>&amp;Resposta:</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Verificar</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Avaliação</translation>
    </message>
    <message>
        <source>Marks so far</source>
        <translation>Avaliações até agora</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Previous task</source>
        <translation>Tarefa anterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Próxi&amp;ma</translation>
    </message>
    <message>
        <source>Next task</source>
        <translation>Próxima tarefa</translation>
    </message>
    <message>
        <source>&amp;Save my answers…</source>
        <translation>Sa&amp;lvar minhas respostas…</translation>
    </message>
    <message>
        <source>Save my answers</source>
        <translation>Salvar minhas respostas</translation>
    </message>
    <message>
        <source>Task %1 of %2: %3</source>
        <translation>Tarefa %1 de %2: %3</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Kept for your teacher.</source>
        <translation>Guardado para seu professor.</translation>
    </message>
    <message>
        <source>Marks so far: %1 right of %2 checked</source>
        <translation>Até agora: %1 certas de %2 verificadas</translation>
    </message>
    <message>
        <source>Answers (*.json)</source>
        <translation>Respostas (*.json)</translation>
    </message>
    <message>
        <source>The lesson “%1” could not be opened: %2.</source>
        <translation>Não foi possível abrir a lição “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmQuiz</name>
    <message>
        <source>Quiz: four phase planes with their isoclines</source>
        <translation>Teste: quatro planos de fase com suas isóclinas</translation>
    </message>
    <message>
        <source>Which sketch shows coexistence, which a win of species A, which a win of species B, and which an outcome that depends on the start?</source>
        <translation>Qual esboço mostra a coexistência, qual a vitória da espécie A, qual a da espécie B e qual um resultado que depende do ponto de partida?</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <translation>Voltar à janela principal</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Teste</translation>
    </message>
    <message>
        <source>quiz.jpg</source>
        <extracomment>the file of the quiz picture painted with this language&apos;s words by tools/paint_pictures.cpp</extracomment>
        <translation>quiz-pt_BR.jpg</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmReference</name>
    <message>
        <source>Back to main form</source>
        <translation>Voltar à janela principal</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Referências</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmTitlform</name>
    <message>
        <source>Press any key or click mouse to start.</source>
        <translation>Tecle ou clique para começar.</translation>
    </message>
</context>
</TS>
