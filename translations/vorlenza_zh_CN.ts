<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Chart</name>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>N1 and N2 vs. time</source>
        <translation>N1 和 N2 随时间变化</translation>
    </message>
    <message>
        <source>N1 and N2</source>
        <translation>N1 和 N2</translation>
    </message>
    <message>
        <source>dN1 and dN2 vs. time</source>
        <translation>dN1、dN2 随时间变化</translation>
    </message>
    <message>
        <source>dN1 and dN2</source>
        <translation>dN1 和 dN2</translation>
    </message>
    <message>
        <source>N1 and dN1/dt vs. time</source>
        <translation>N1 和 dN1/dt 随时间变化</translation>
    </message>
    <message>
        <source>N1 and dN1</source>
        <translation>N1 和 dN1</translation>
    </message>
    <message>
        <source>N2 and dN2 vs. time</source>
        <translation>N2 和 dN2 随时间变化</translation>
    </message>
    <message>
        <source>N2 and dN2</source>
        <translation>N2 和 dN2</translation>
    </message>
    <message>
        <source>N and dN/dt vs. time</source>
        <translation>N 和 dN/dt 随时间变化</translation>
    </message>
    <message>
        <source>N1, dN1, N2 and dN2</source>
        <translation>N1、dN1、N2 和 dN2</translation>
    </message>
    <message>
        <source>N2 vs. N1</source>
        <translation>N2–N1 图</translation>
    </message>
    <message>
        <source>N2 vs. N1 with isoclines</source>
        <translation>N2–N1 图及等斜线</translation>
    </message>
    <message>
        <source>%1 (continuous)</source>
        <translation>%1（连续）</translation>
    </message>
    <message>
        <source>Arrows: which way N1 and N2 change from each point; the longer the arrow, the faster the change (on a compressed scale).</source>
        <translation>箭头：表示 N1 和 N2 从每一点出发的变化方向；箭头越长，变化越快（按压缩的比例）。</translation>
    </message>
</context>
<context>
    <name>ChartActions</name>
    <message>
        <source>results</source>
        <extracomment>The name the spreadsheet&apos;s Save dialog suggests, without its ending.</extracomment>
        <translation>结果</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG 矢量图 (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>图表</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message numerus="yes">
        <source>%1: %2 against %3, %n series</source>
        <translation>
            <numerusform>%1：%2 对 %3，%n 个数据系列</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> of %n points each</source>
        <translation>
            <numerusform>，每个系列 %n 个点</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>stable node</source>
        <translation>稳定结点</translation>
    </message>
    <message>
        <source>saddle</source>
        <translation>鞍点</translation>
    </message>
    <message>
        <source>unstable node</source>
        <translation>不稳定结点</translation>
    </message>
    <message>
        <source>stable focus</source>
        <translation>稳定焦点</translation>
    </message>
    <message>
        <source>unstable focus</source>
        <translation>不稳定焦点</translation>
    </message>
    <message>
        <source>not decided by the eigenvalues</source>
        <translation>特征值无法判定</translation>
    </message>
    <message>
        <source>Eigenvalues per day: %1 and %2</source>
        <translation>每日特征值：%1 和 %2</translation>
    </message>
    <message>
        <source>The one-day step keeps it stable.</source>
        <translation>一天的步长保持其稳定。</translation>
    </message>
    <message>
        <source>The one-day step does not keep it stable.</source>
        <translation>一天的步长不能保持其稳定。</translation>
    </message>
    <message>
        <source>Coexistence</source>
        <translation>共存</translation>
    </message>
    <message>
        <source>A wins</source>
        <translation>A 获胜</translation>
    </message>
    <message>
        <source>B wins</source>
        <translation>B 获胜</translation>
    </message>
    <message>
        <source>Either wins,
by the start</source>
        <translation>取决于
初始值</translation>
    </message>
    <message>
        <source>Both species coexist: the isoclines cross at a stable equilibrium, because each species limits itself more than it limits the other.</source>
        <translation>两个物种共存：等倾线相交于一个稳定平衡点，因为每个物种对自身的限制大于对另一物种的限制。</translation>
    </message>
    <message>
        <source>Species A wins: its isocline lies above B&apos;s everywhere.</source>
        <translation>物种 A 获胜：它的等倾线处处高于 B 的等倾线。</translation>
    </message>
    <message>
        <source>Species B wins: its isocline lies above A&apos;s everywhere.</source>
        <translation>物种 B 获胜：它的等倾线处处高于 A 的等倾线。</translation>
    </message>
    <message>
        <source>Either species wins, depending on the start: the isoclines cross at a saddle, and the separatrix divides the starts.</source>
        <translation>哪个物种获胜取决于初始值：等倾线相交于鞍点，分界线把初始点分成两边。</translation>
    </message>
    <message>
        <source>It ends a line of equilibria: runs nearby stop on the line.</source>
        <translation>它是一条平衡点线的端点：附近的轨迹停在这条线上。</translation>
    </message>
    <message>
        <source>Runs settle here, slowly.</source>
        <translation>轨迹会缓慢地在此处稳定下来。</translation>
    </message>
    <message>
        <source>Runs leave it, slowly.</source>
        <translation>轨迹会缓慢地离开此处。</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>中性</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>稳定</translation>
    </message>
    <message>
        <source>unstable</source>
        <translation>不稳定</translation>
    </message>
    <message>
        <source>converging slowly</source>
        <translation>缓慢收敛</translation>
    </message>
    <message>
        <source>(%1, %2): %3; for the equations %4, for one-day steps %5</source>
        <extracomment>an equilibrium: its place, its type, its stability for the equations and for one-day steps</extracomment>
        <translation>(%1, %2)：%3；对方程而言%4，对一天步长而言%5</translation>
    </message>
    <message>
        <source>Species A wins from every start with some A, slowly near (0, K2): its isocline lies above B&apos;s and touches it there.</source>
        <translation>只要初始时有一些 A，物种 A 总会获胜，但在 (0, K2) 附近很慢：它的等倾线位于 B 的上方，并在那里与之相切。</translation>
    </message>
    <message>
        <source>Species A wins and settles slowly: its isocline lies above B&apos;s and touches it at (K1, 0), where A lives alone.</source>
        <translation>物种 A 获胜，并缓慢地稳定下来：它的等倾线位于 B 的上方，并在 (K1, 0) 处与之相切，那里只有 A 生存。</translation>
    </message>
    <message>
        <source>Species B wins from every start with some B, slowly near (K1, 0): its isocline lies above A&apos;s and touches it there.</source>
        <translation>只要初始时有一些 B，物种 B 总会获胜，但在 (K1, 0) 附近很慢：它的等倾线位于 A 的上方，并在那里与之相切。</translation>
    </message>
    <message>
        <source>Species B wins and settles slowly: its isocline lies above A&apos;s and touches it at (0, K2), where B lives alone.</source>
        <translation>物种 B 获胜，并缓慢地稳定下来：它的等倾线位于 A 的上方，并在 (0, K2) 处与之相切，那里只有 B 生存。</translation>
    </message>
    <message>
        <source>Neither species wins: the isoclines lie on one another, every point of them is an equilibrium, and the run stops where it meets the line.</source>
        <translation>没有物种获胜：两条等倾线重合，线上每一点都是平衡点，轨迹在到达这条线的地方停下。</translation>
    </message>
    <message>
        <source>Nobody wins</source>
        <translation>无胜者</translation>
    </message>
    <message>
        <source>The one-day step converges to it, slowly.</source>
        <translation>一天的步长会缓慢地收敛到这里。</translation>
    </message>
    <message>
        <source>Isocline of A (dN1/dt = 0)</source>
        <translation>A 的等倾线 (dN1/dt = 0)</translation>
    </message>
    <message>
        <source>Isocline of B (dN2/dt = 0)</source>
        <translation>B 的等倾线 (dN2/dt = 0)</translation>
    </message>
    <message>
        <source>Line of equilibria</source>
        <translation>平衡点线</translation>
    </message>
    <message>
        <source>Separatrix</source>
        <translation>分界线</translation>
    </message>
    <message>
        <source>Trajectories (the equations)</source>
        <translation>轨迹（方程）</translation>
    </message>
    <message>
        <source>Daily steps</source>
        <translation>每日步长</translation>
    </message>
    <message>
        <source>Cursor at (%1, %2); the nearest equilibrium: %3</source>
        <extracomment>the keyboard cursor&apos;s place, then the nearest equilibrium as the list writes it</extracomment>
        <translation>光标位于 (%1, %2)；最近的平衡点：%3</translation>
    </message>
    <message>
        <source>Some trajectories end early: these constants make the equations too stiff to solve further in a moment.</source>
        <translation>有些轨迹提前结束：这些常数使方程过于刚性，无法在短时间内继续求解。</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>%1: no problem found in its %2 tasks</source>
        <translation>%1：其 %2 个任务中未发现问题</translation>
    </message>
    <message>
        <source>Which lesson? vorlenza --check-lesson FILE…</source>
        <translation>哪个课程？vorlenza --check-lesson 文件…</translation>
    </message>
    <message>
        <source>Which answers files? vorlenza --class-summary FILE…</source>
        <translation>哪些答案文件？vorlenza --class-summary 文件…</translation>
    </message>
    <message>
        <source>the isoclines cross at a stable point, so both species live on together.</source>
        <translation>两条等斜线相交于一个稳定点，所以两个物种共同生存。</translation>
    </message>
    <message>
        <source>A&apos;s isocline lies above B&apos;s, so A wins.</source>
        <translation>A 的等斜线位于 B 的之上，所以 A 获胜。</translation>
    </message>
    <message>
        <source>B&apos;s isocline lies above A&apos;s, so B wins.</source>
        <translation>B 的等斜线位于 A 的之上，所以 B 获胜。</translation>
    </message>
    <message>
        <source>the isoclines cross at a saddle, so where the run starts decides who wins.</source>
        <translation>两条等斜线相交于鞍点，所以起点决定谁获胜。</translation>
    </message>
    <message>
        <source>the isoclines lie on one another, so nobody wins.</source>
        <translation>两条等斜线重合，所以没有物种获胜。</translation>
    </message>
    <message>
        <source>alpha = %1 %2 K1/K2 = %3 and beta = %4 %5 K2/K1 = %6: %7</source>
        <translation>alpha = %1 %2 K1/K2 = %3，beta = %4 %5 K2/K1 = %6：%7</translation>
    </message>
    <message>
        <source>On day %1 the run has N1 = %2 and N2 = %3.</source>
        <translation>第 %1 天，运行结果为 N1 = %2，N2 = %3。</translation>
    </message>
    <message>
        <source>Up to day %1 species %2 grows to %3 at most; the task asks for more than %4.</source>
        <translation>到第 %1 天为止，物种 %2 最多增长到 %3；任务要求超过 %4。</translation>
    </message>
    <message>
        <source>The run with these values fails, so there are no one-day steps to compare.</source>
        <translation>用这些值运行失败，因此没有逐日步进可供比较。</translation>
    </message>
    <message>
        <source>On day %1 the one-day steps give N1 = %2 and N2 = %3, the equations N1 = %4 and N2 = %5: the steps mislead.</source>
        <translation>第 %1 天，逐日步进得到 N1 = %2、N2 = %3，方程得到 N1 = %4、N2 = %5：步进有误导性。</translation>
    </message>
    <message>
        <source>The one-day steps follow the equations closely (r1 = %1, r2 = %2).</source>
        <translation>逐日步进与方程吻合（r1 = %1，r2 = %2）。</translation>
    </message>
    <message>
        <source>This run has no such value to read.</source>
        <translation>此次运行没有可读取的这种数值。</translation>
    </message>
    <message>
        <source>The run gives %1; an answer within %2 of it is right.</source>
        <translation>运行结果为 %1；与之相差不超过 %2 的答案算正确。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>“%1”不是数字。</translation>
    </message>
    <message>
        <source>it is missing: this is a scenario, not a lesson</source>
        <translation>缺少该项：这是一个场景，不是课程</translation>
    </message>
    <message>
        <source>it is missing or does not hold what it must</source>
        <translation>该项缺失或内容不符合要求</translation>
    </message>
    <message>
        <source>“%1” is not what it must hold</source>
        <translation>“%1”不是该项应有的内容</translation>
    </message>
    <message>
        <source>this entry means nothing here</source>
        <translation>此项在这里没有意义</translation>
    </message>
    <message>
        <source>the kind “%1” is none of predict, reach, read and explain</source>
        <translation>类型“%1”不是 predict、reach、read、explain 中的任何一个</translation>
    </message>
    <message>
        <source>“%1” is none of the names this entry takes</source>
        <translation>“%1”不是此项接受的名称</translation>
    </message>
    <message>
        <source>“%1” names none of the nine values (r1, N1(0), K1, alpha, r2, N2(0), K2, beta, T)</source>
        <translation>“%1”不是九个值（r1、N1(0)、K1、alpha、r2、N2(0)、K2、beta、T）之一</translation>
    </message>
    <message>
        <source>the tolerance “%1” is not a number</source>
        <translation>容差“%1”不是数字</translation>
    </message>
    <message>
        <source>it must be a number greater than 0, not “%1”</source>
        <translation>必须是大于 0 的数，而不是“%1”</translation>
    </message>
    <message>
        <source>it must be a whole day from 0 to %1, not “%2”</source>
        <translation>必须是 0 到 %1 之间的整数天，而不是“%2”</translation>
    </message>
    <message>
        <source>%1 is a value that %2 does not take</source>
        <translation>%1 是 %2 不接受的值</translation>
    </message>
    <message>
        <source>the isoclines lie on one another with these values, so no outcome is right</source>
        <translation>用这些值两条等斜线重合，因此没有正确的结局</translation>
    </message>
    <message>
        <source>the isoclines do not cross inside the quadrant with these values, so there is no equilibrium to read</source>
        <translation>用这些值两条等斜线在象限内不相交，因此没有可读取的平衡点</translation>
    </message>
    <message>
        <source>a reach task needs exactly one of “outcome”, “above” and “steps”</source>
        <translation>reach 任务必须恰好有“outcome”、“above”、“steps”中的一个</translation>
    </message>
    <message>
        <source>task %1</source>
        <translation>任务 %1</translation>
    </message>
    <message>
        <source>entry “%1”</source>
        <translation>项“%1”</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>the lesson</source>
        <translation>课程</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>where a lesson&apos;s problem is (&quot;task 3, entry “tolerance”&quot;), then what it is</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>it is not a Vorlenza answers file</source>
        <translation>这不是 Vorlenza 答案文件</translation>
    </message>
    <message>
        <source>the entry “%1” does not hold what it must</source>
        <translation>项“%1”的内容不符合要求</translation>
    </message>
    <message>
        <source>“%1” is left out: %2.</source>
        <translation>已略过“%1”：%2。</translation>
    </message>
    <message>
        <source>“%1” is left out: it holds answers to another lesson (“%2”), not to “%3”.</source>
        <translation>已略过“%1”：它是另一课程（“%2”）的答案，而不是“%3”的。</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>学生</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>任务 %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合计</translation>
    </message>
    <message>
        <source>Species A</source>
        <translation>物种 A</translation>
    </message>
    <message>
        <source>Species B</source>
        <translation>物种 B</translation>
    </message>
    <message>
        <source>Both species coexist</source>
        <translation>两个物种共存</translation>
    </message>
    <message>
        <source>Species A wins</source>
        <translation>物种 A 获胜</translation>
    </message>
    <message>
        <source>Species B wins</source>
        <translation>物种 B 获胜</translation>
    </message>
    <message>
        <source>The start decides</source>
        <translation>起点决定结局</translation>
    </message>
    <message>
        <source>right</source>
        <translation>正确</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>kept for the teacher</source>
        <translation>留给老师批阅</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>未检查</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>姓名：%1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>日期：%1</translation>
    </message>
    <message>
        <source>Right: %1 of %2 marked</source>
        <translation>正确：已评分 %2 题中的 %1 题</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>答案：%1</translation>
    </message>
    <message>
        <source>Mark: %1</source>
        <translation>评分：%1</translation>
    </message>
    <message>
        <source>the worksheet&apos;s page could not be started</source>
        <translation>无法开始工作单的页面</translation>
    </message>
</context>
<context>
    <name>PointReadout</name>
    <message>
        <source>Day %1: %2</source>
        <translation>第 %1 天：%2</translation>
    </message>
    <message>
        <source>Continuous solution: %1</source>
        <translation>连续解：%1</translation>
    </message>
</context>
<context>
    <name>PrintQueue</name>
    <message>
        <source>the printer does not accept jobs</source>
        <translation>打印机不接受打印任务</translation>
    </message>
    <message>
        <source>the print system gave no reason</source>
        <translation>打印系统未说明原因</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>The file name “%1” is too short. The results file is named after it with its last four characters replaced by “%2”, so please choose a name of at least four characters, such as results.txt. Nothing was saved.</source>
        <translation>文件名“%1”太短。结果文件以它命名，并把它的最后四个字符换成“%2”，因此请选择至少四个字符的名称，例如 results.txt。未保存任何内容。</translation>
    </message>
</context>
<context>
    <name>ResultsSpreadsheet</name>
    <message>
        <source>Results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Isocline A</source>
        <translation>等斜线 A</translation>
    </message>
    <message>
        <source>Isocline B</source>
        <translation>等斜线 B</translation>
    </message>
    <message>
        <source>the spreadsheet made in the temporary folder could not be read (%1)</source>
        <translation>无法读取在临时文件夹中创建的电子表格（%1）</translation>
    </message>
    <message>
        <source>Results file (*)</source>
        <translation>结果文件 (*)</translation>
    </message>
    <message>
        <source>Spreadsheet (*.xlsx)</source>
        <translation>电子表格 (*.xlsx)</translation>
    </message>
    <message>
        <source>in the temporary folder “%1”, %2</source>
        <translation>在临时文件夹“%1”中，%2</translation>
    </message>
    <message>
        <source>no temporary folder could be made in “%1” (%2)</source>
        <translation>无法在“%1”中创建临时文件夹（%2）</translation>
    </message>
    <message>
        <source>the part of Vorlenza that makes spreadsheets (%1) could not be loaded (%2); installing Vorlenza again brings it back</source>
        <translation>无法加载 Vorlenza 中生成电子表格的部分（%1）（%2）；重新安装 Vorlenza 即可恢复</translation>
    </message>
</context>
<context>
    <name>RunFailure</name>
    <message>
        <source>the simulation length</source>
        <translation>模拟时长</translation>
    </message>
    <message>
        <source>the carrying capacity of species A (K1)</source>
        <translation>物种 A 的环境容纳量 (K1)</translation>
    </message>
    <message>
        <source>the carrying capacity of species B (K2)</source>
        <translation>物种 B 的环境容纳量 (K2)</translation>
    </message>
    <message>
        <source>constant a</source>
        <translation>常数 a</translation>
    </message>
    <message>
        <source>constant b</source>
        <translation>常数 b</translation>
    </message>
    <message>
        <source>the intrinsic rate of species A (r)</source>
        <translation>物种 A 的内禀增长率 (r)</translation>
    </message>
    <message>
        <source>the intrinsic rate of species B (s)</source>
        <translation>物种 B 的内禀增长率 (s)</translation>
    </message>
    <message>
        <source>the initial size of species A</source>
        <translation>物种 A 的初始数量</translation>
    </message>
    <message>
        <source>the initial size of species B</source>
        <translation>物种 B 的初始数量</translation>
    </message>
    <message>
        <source>a value</source>
        <translation>某个数值</translation>
    </message>
    <message>
        <source>The simulation length must be a whole number of days from 1 to %1.</source>
        <translation>模拟时长必须是 1 到 %1 之间的整数天数。</translation>
    </message>
    <message>
        <source>%1 is too large to compute with.</source>
        <translation>%1过大，无法计算。</translation>
    </message>
    <message>
        <source>%1 must not be 0.</source>
        <translation>%1不能为 0。</translation>
    </message>
    <message>
        <source>The populations grew too large to compute on day %1. Try smaller growth rates.</source>
        <translation>第 %1 天时种群数量过大，无法计算。请尝试更小的增长率。</translation>
    </message>
    <message>
        <source>The isoclines cannot be computed with these values. Try a larger constant a or b.</source>
        <translation>用这些数值无法计算等斜线。请尝试更大的常数 a 或 b。</translation>
    </message>
</context>
<context>
    <name>Scenario</name>
    <message>
        <source>Vorlenza scenarios (*.vorlenza)</source>
        <translation>Vorlenza 情景文件 (*.vorlenza)</translation>
    </message>
    <message>
        <source>“%1” (%2)</source>
        <extracomment>a field of the main window by its label, then the value&apos;s name in a scenario file</extracomment>
        <translation>“%1”（%2）</translation>
    </message>
    <message>
        <source>the entry “chart” names none of the main window&apos;s charts</source>
        <translation>条目“chart”没有指明主窗口中的任何图表</translation>
    </message>
    <message>
        <source>the entry “%1” must be a text of at most %2 characters, or such texts by language</source>
        <translation>条目“%1”必须是最多 %2 个字符的文本，或按语言分列的此类文本</translation>
    </message>
    <message>
        <source>the entry “lab.starts” must be a list of at most %1 starts [N1, N2] of numbers 0 or more</source>
        <translation>条目“lab.starts”必须是最多 %1 个起点 [N1, N2] 的列表，且数值不小于 0</translation>
    </message>
    <message>
        <source>the entry “%1” must be a group of entries in braces { }</source>
        <translation>条目“%1”必须是用花括号 { } 括起的一组条目</translation>
    </message>
    <message>
        <source>the entry “%1” must be true or false</source>
        <translation>条目“%1”必须是 true 或 false</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>它是文件夹，不是文件</translation>
    </message>
    <message>
        <source>the file is not there (any more)</source>
        <translation>该文件不存在（或已不存在）</translation>
    </message>
    <message>
        <source>you may not read it (no permission)</source>
        <translation>您无权读取它（没有权限）</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>无法读取它（%1）</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, far more than any scenario holds</source>
        <translation>它大于 %1 MB，远超任何情景的大小</translation>
    </message>
    <message>
        <source>it is not a scenario: at line %1, column %2 its text is not JSON (%3)</source>
        <translation>它不是情景文件：第 %1 行第 %2 列处的文本不是 JSON（%3）</translation>
    </message>
    <message>
        <source>it is not a Vorlenza scenario</source>
        <translation>它不是 Vorlenza 情景文件</translation>
    </message>
    <message>
        <source>it was saved by a newer Vorlenza (scenario version %1; this one reads versions up to %2)</source>
        <translation>它由更新版本的 Vorlenza 保存（情景版本 %1；本程序最多读取版本 %2）</translation>
    </message>
    <message>
        <source>it gives no value for %1</source>
        <translation>它没有给出 %1 的值</translation>
    </message>
    <message>
        <source>the value for %1 is not a number</source>
        <translation>%1 的值不是数字</translation>
    </message>
    <message>
        <source>the value for %1 must be a whole number of days from 1 to %2</source>
        <translation>%1 的值必须是 1 到 %2 之间的整数天数</translation>
    </message>
    <message>
        <source>the value for %1 must be a number greater than 0</source>
        <translation>%1 的值必须是大于 0 的数</translation>
    </message>
    <message>
        <source>scenario</source>
        <extracomment>the name the scenario&apos;s save dialog suggests when the scenario has no title, without its ending</extracomment>
        <translation>情景</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language as scenario files name their texts by language: de, fr, es, pt_BR or zh_CN. Left &quot;en&quot;, the texts are taken in English.</extracomment>
        <translation>zh_CN</translation>
    </message>
    <message>
        <source>The scenario “%1” could not be opened: %2.</source>
        <translation>无法打开情景“%1”：%2。</translation>
    </message>
    <message>
        <source>The scenario “%1” was not opened. %2</source>
        <extracomment>the file, then why its run failed, in a sentence of its own</extracomment>
        <translation>情景“%1”未被打开。%2</translation>
    </message>
    <message>
        <source>The scenario could not be saved: %1.</source>
        <translation>无法保存情景：%1。</translation>
    </message>
    <message>
        <source>Sa&amp;ve scenario…</source>
        <translation>保存情景(&amp;V)…</translation>
    </message>
    <message>
        <source>&amp;Open scenario…</source>
        <translation>打开情景(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Examples</source>
        <translation>示例(&amp;E)</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Save as PDF…</source>
        <translation>另存为 PDF…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>The name “%1” cannot be used: a file name here may not hold the character &quot;. Nothing was saved.</source>
        <translation>无法使用名称“%1”：此处的文件名不能包含字符 &quot;。未保存任何内容。</translation>
    </message>
    <message>
        <source>Save scenario</source>
        <translation>保存情景</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>标题(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Note for the students:</source>
        <translation>给学生的说明(&amp;N)：</translation>
    </message>
    <message>
        <source>Open scenario</source>
        <translation>打开情景</translation>
    </message>
    <message>
        <source>Save my answers</source>
        <translation>保存我的答案</translation>
    </message>
    <message>
        <source>&amp;Your name:</source>
        <translation>你的姓名(&amp;Y)：</translation>
    </message>
</context>
<context>
    <name>StepNotice</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>One-day steps are too coarse for %1: the smallest push drives the daily run away from %2, where the equations settle.</source>
        <translation>对于 %1，一天的步长太粗：最小的扰动就会使逐日计算离开 %2，而方程在那里趋于稳定。</translation>
    </message>
    <message>
        <source>One-day steps are too coarse for %1: the daily run settles at %2, the equations at %3.</source>
        <translation>对于 %1，一天的步长太粗：逐日计算稳定在 %2，方程稳定在 %3。</translation>
    </message>
    <message>
        <source>One-day steps are too coarse for %1: on day %2 the daily run is at %3, the equations at %4.</source>
        <translation>对于 %1，一天的步长太粗：第 %2 天逐日计算位于 %3，方程位于 %4。</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>the chart could not be drawn</source>
        <translation>无法绘制图表</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>未给出文件名</translation>
    </message>
    <message>
        <source>the name contains a character that is not allowed in file names</source>
        <translation>名称中含有文件名不允许使用的字符</translation>
    </message>
    <message>
        <source>the file name is too long</source>
        <translation>文件名太长</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>路径太长</translation>
    </message>
    <message>
        <source>“%1” is a folder, not a file</source>
        <translation>“%1”是文件夹，不是文件</translation>
    </message>
    <message>
        <source>“%1” is a file, not a folder</source>
        <translation>“%1”是文件，不是文件夹</translation>
    </message>
    <message>
        <source>the folder “%1” does not exist</source>
        <translation>文件夹“%1”不存在</translation>
    </message>
    <message>
        <source>you may not write in the folder “%1” (no permission)</source>
        <translation>你没有在文件夹“%1”中写入的权限</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>该文件为只读</translation>
    </message>
    <message>
        <source>it would be larger than the file size limit of this account (%1 bytes)</source>
        <translation>文件将超过此账户的文件大小限制（%1 字节）</translation>
    </message>
    <message>
        <source>not all of it could be written, perhaps because the disk is full</source>
        <translation>未能全部写入，可能是磁盘已满</translation>
    </message>
    <message>
        <source>; any earlier file of that name is unchanged</source>
        <translation>；同名的原有文件保持不变</translation>
    </message>
    <message>
        <source>the file could not be created (%1)</source>
        <translation>无法创建该文件（%1）</translation>
    </message>
    <message>
        <source>the new file could not take the place of the earlier one; the earlier file is unchanged</source>
        <translation>新文件无法替换原有文件；原有文件保持不变</translation>
    </message>
    <message>
        <source>The file “%1” could not be saved: %2.</source>
        <translation>无法保存文件“%1”：%2。</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>The printer “%1” did not take the page: %2. Let the printer accept jobs again, or set up another printer as the default printer of this computer, then try again.</source>
        <translation>打印机“%1”未接受该页面：%2。请让打印机重新接受打印任务，或在这台计算机上另设一台默认打印机，然后重试。</translation>
    </message>
    <message>
        <source>No printer is set up. Set up a printer as the default printer of this computer, then try again.</source>
        <translation>尚未设置打印机。请在这台计算机上设置默认打印机，然后重试。</translation>
    </message>
    <message>
        <source>The window could not be printed.</source>
        <translation>无法打印该窗口。</translation>
    </message>
    <message>
        <source>The window is saved as a PDF document only, and “%1” is the name of another type of file. Nothing was saved. Please choose a name that ends in “.pdf”.</source>
        <translation>窗口只能保存为 PDF 文档，而“%1”是另一种文件类型的名称。未保存任何内容。请选择以“.pdf”结尾的名称。</translation>
    </message>
    <message>
        <source>The print service of this computer does not answer, so the page was not printed. Try again in a while, or save the page as a PDF file.</source>
        <translation>这台计算机的打印服务没有响应，因此页面未打印。请稍后再试，或将页面保存为 PDF 文件。</translation>
    </message>
    <message>
        <source>The page waits in the queue of the printer “%1”, which is paused. It will be printed when the printer is resumed.</source>
        <translation>页面正在打印机“%1”的队列中等待，该打印机已暂停。恢复打印机后页面就会打印。</translation>
    </message>
</context>
<context>
    <name>WindowPdf</name>
    <message>
        <source>The window could not be saved: it has no area.</source>
        <translation>无法保存窗口：窗口没有面积。</translation>
    </message>
    <message>
        <source>the page could not be started</source>
        <translation>无法开始该页面</translation>
    </message>
</context>
<context>
    <name>WindowPrinter</name>
    <message>
        <source>The printer could not be started: </source>
        <translation>无法启动打印机：</translation>
    </message>
    <message>
        <source>no output file was chosen.</source>
        <translation>未选择输出文件。</translation>
    </message>
    <message>
        <source>the file “%1” could not be written.</source>
        <translation>无法写入文件“%1”。</translation>
    </message>
    <message>
        <source>no printer is set up on this computer.</source>
        <translation>这台计算机上没有设置打印机。</translation>
    </message>
    <message>
        <source>the printer “%1” is not available or reported an error.</source>
        <translation>打印机“%1”不可用或报告了错误。</translation>
    </message>
    <message>
        <source>The window could not be printed: it has no area.</source>
        <translation>无法打印该窗口：窗口没有面积。</translation>
    </message>
    <message>
        <source>The page could not be printed: the printer “%1” reported an error.</source>
        <translation>无法打印该页面：打印机“%1”报告了错误。</translation>
    </message>
</context>
<context>
    <name>frmForm1</name>
    <message>
        <source>Intrinsic rate of species A (r)</source>
        <translation>物种 A 的内禀增长率 (r)</translation>
    </message>
    <message>
        <source>Initial size of species A</source>
        <translation>物种 A 的初始数量</translation>
    </message>
    <message>
        <source>Carrying capacity for species A (K1)</source>
        <translation>物种 A 的环境容纳量 (K1)</translation>
    </message>
    <message>
        <source>Constant a</source>
        <translation>常数 a</translation>
    </message>
    <message>
        <source>Intrinsic rate of species B (s)</source>
        <translation>物种 B 的内禀增长率 (s)</translation>
    </message>
    <message>
        <source>Initial size of species B</source>
        <translation>物种 B 的初始数量</translation>
    </message>
    <message>
        <source>Carrying capacity for species B (K2)</source>
        <translation>物种 B 的环境容纳量 (K2)</translation>
    </message>
    <message>
        <source>Constant b</source>
        <translation>常数 b</translation>
    </message>
    <message>
        <source>For t = 0 to (simulation length in days)</source>
        <translation>t 从 0 到（模拟天数）</translation>
    </message>
    <message>
        <source>N1 (species A) on the selected day</source>
        <translation>所选那一天的 N1（物种 A）</translation>
    </message>
    <message>
        <source>N2 (species B) on the selected day</source>
        <translation>所选那一天的 N2（物种 B）</translation>
    </message>
    <message>
        <source>t = (selected day)</source>
        <translation>t =（所选的天）</translation>
    </message>
    <message>
        <source>Day selector</source>
        <translation>天数选择器</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>测验</translation>
    </message>
    <message>
        <source>How to (picture of the two competing species)</source>
        <translation>使用说明（两个相互竞争的物种的图片）</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>时钟</translation>
    </message>
    <message>
        <source>Intrinsic rate of species A  (r):</source>
        <translation>物种 A 内禀增长率 (r)：</translation>
    </message>
    <message>
        <source>Initial size of species A: </source>
        <translation>物种 A 初始数量：</translation>
    </message>
    <message>
        <source>Carrying capacity for species A (K1):</source>
        <translation>物种 A 环境容纳量 (K1)：</translation>
    </message>
    <message>
        <source>Constant a:</source>
        <translation>常数 a：</translation>
    </message>
    <message>
        <source>Intrinsic rate of species B (s):</source>
        <translation>物种 B 内禀增长率 (s)：</translation>
    </message>
    <message>
        <source>Initial size of species B:</source>
        <translation>物种 B 初始数量：</translation>
    </message>
    <message>
        <source>Carrying capacity for species B (K2):</source>
        <translation>物种 B 环境容纳量 (K2)：</translation>
    </message>
    <message>
        <source>Constant b:</source>
        <translation>常数 b：</translation>
    </message>
    <message>
        <source>For t = 0 to </source>
        <translation>t 从 0 到 </translation>
    </message>
</context>
<context>
    <name>frmReference</name>
    <message>
        <source>References</source>
        <translation>参考文献</translation>
    </message>
    <message>
        <source>Volterra, V. 1926. Variazioni e fluttuazioni del numero d&apos;individui in specie animali conviventi. Mem. R. Accad. Naz. Lincei (ser. 6) 2: 31–113. Translated in R. N. Chapman. 1931. Animal Ecology. McGraw-Hill, New York, pp. 409–448.</source>
        <translation>Volterra, V. 1926. Variazioni e fluttuazioni del numero d&apos;individui in specie animali conviventi. Mem. R. Accad. Naz. Lincei (ser. 6) 2: 31–113. Translated in R. N. Chapman. 1931. Animal Ecology. McGraw-Hill, New York, pp. 409–448.</translation>
    </message>
    <message>
        <source>May, R. M. 1976. Models for two interacting populations. Pages 78–104 in R. M. May (ed.), Theoretical Ecology: Principles and Applications. Blackwell, Oxford.</source>
        <translation>May, R. M. 1976. Models for two interacting populations. Pages 78–104 in R. M. May (ed.), Theoretical Ecology: Principles and Applications. Blackwell, Oxford.</translation>
    </message>
</context>
<context>
    <name>vorlenza::ChartActions</name>
    <message>
        <source>%1. %2</source>
        <extracomment>the chart&apos;s description, then the sentence on its menu</extracomment>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>Phase-plane &amp;lab…</source>
        <translation>相平面实验室(&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;Direction arrows</source>
        <translation>方向箭头(&amp;D)</translation>
    </message>
    <message>
        <source>Co&amp;ntinuous solution</source>
        <translation>连续解(&amp;N)</translation>
    </message>
</context>
<context>
    <name>vorlenza::ChartView</name>
    <message>
        <source>Chart</source>
        <translation>图表</translation>
    </message>
</context>
<context>
    <name>vorlenza::PlotMenu</name>
    <message>
        <source>Press the Menu key or Shift+F10, or click with the right button, to copy or save the chart.</source>
        <translation>按菜单键或 Shift+F10，或单击鼠标右键，可复制或保存图表。</translation>
    </message>
    <message>
        <source>&amp;Copy chart</source>
        <translation>复制图表(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save chart as…</source>
        <translation>将图表另存为(&amp;S)…</translation>
    </message>
    <message>
        <source>Save &amp;window as PDF…</source>
        <translation>将窗口另存为 PDF(&amp;W)…</translation>
    </message>
    <message>
        <source>Save &amp;results as spreadsheet…</source>
        <translation>将结果另存为电子表格(&amp;R)…</translation>
    </message>
</context>
<context>
    <name>vorlenza::Vater</name>
    <message>
        <source>Picture: hills and a lake at dusk</source>
        <translation>图片：黄昏时的山丘与湖泊</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <translation>愿他安息</translation>
    </message>
    <message>
        <source>Dedication</source>
        <translation>献词</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmCopyrigh</name>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:

The Vorlenza authors. %1. Vorlenza Series. Example Univ., Exampletown, Exampleland.</source>
        <translation>如果你在研究中使用本程序，请在论文中引用以下文献：

The Vorlenza authors. %1. Vorlenza Series. Example Univ., Exampletown, Exampleland.</translation>
    </message>
    <message>
        <source>You can get new version of this program at:
1. https://vorlenza.example.org/
2. https://www.example.com/vorlenza/
(Example Teaching Network).
3. The Vorlenza Project.</source>
        <translation>可以从以下途径获取本程序的新版本：
1. https://vorlenza.example.org/
2. https://www.example.com/vorlenza/
(Example Teaching Network).
3. Vorlenza 项目。</translation>
    </message>
    <message>
        <source>© 2004-%1 Vorlenza authors</source>
        <translation>© 2004-%1 Vorlenza 作者组</translation>
    </message>
    <message>
        <source>Free software for teaching and learning ecology</source>
        <translation>用于生态学教与学的自由软件</translation>
    </message>
    <message>
        <source>You may run, copy and share this program, in class or anywhere else, and you may change it under the terms of the GNU General Public License, version 3 or any later version. It comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>你可以在课堂上或其他任何地方运行、复制和分享本程序，并可以依照 GNU General Public License 第 3 版或任何更新版本的条款修改它。本程序不提供任何担保。</translation>
    </message>
    <message>
        <source>Protected by copyright law. Copies, changed or not, must keep this notice.</source>
        <translation>受版权法保护。任何副本，无论是否修改，都必须保留本声明。</translation>
    </message>
    <message>
        <source>Some rights reserved.</source>
        <translation>保留部分权利。</translation>
    </message>
    <message>
        <source>Picture: the two competing species</source>
        <translation>图片：两个相互竞争的物种</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>版权</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmForm1</name>
    <message>
        <source>© 2004-%1 The Vorlenza authors</source>
        <translation>© 2004-%1 Vorlenza 作者组</translation>
    </message>
    <message>
        <source>Press Enter to run this program using default values. You can also select a data set at first, then click RUN. To change a default value, move the mouse pointer to a data box and click it.After you change the default values, press Enter to confirm the change and click RUN to run it. Click on the graph to see more graphs.
Comments are welcome.</source>
        <translation>按 Enter 键即可用默认值运行本程序。你也可以先选择一组数据，再点击“运行”。要修改某个值，请用鼠标点击它的数据框。修改之后，按 Enter 键确认，再点击“运行”。点击图表可以查看更多图表。
欢迎提出意见。</translation>
    </message>
    <message>
        <source>The Vorlenza authors
vorlenza@example.org
P.O. Box 1234
Population Ecology Laboratory
Department of Biology
Example University
Exampletown, Exampleland</source>
        <translation>Vorlenza 作者组
vorlenza@example.org
邮政信箱 1234
种群生态学实验室
生物学系
Example University
Exampletown, Exampleland</translation>
    </message>
    <message>
        <source> Model </source>
        <translation> 模型 </translation>
    </message>
    <message>
        <source>Data</source>
        <translation>数据</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>图表</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>简介</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Run this program</source>
        <translation>运行本程序</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>使用说明</translation>
    </message>
    <message>
        <source>How to run this program</source>
        <translation>如何使用本程序</translation>
    </message>
    <message>
        <source>S</source>
        <translation>存</translation>
    </message>
    <message>
        <source>Save graphic data</source>
        <translation>保存图表数据</translation>
    </message>
    <message>
        <source>P</source>
        <translation>印</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>打印本窗口</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>退出本程序</translation>
    </message>
    <message>
        <source>Species A</source>
        <translation>物种 A</translation>
    </message>
    <message>
        <source>Species B</source>
        <translation>物种 B</translation>
    </message>
    <message>
        <source>Select data set:</source>
        <translation>选择数据组：</translation>
    </message>
    <message>
        <source>Select data set 1</source>
        <translation>选择数据组 1</translation>
    </message>
    <message>
        <source>Select data set 2</source>
        <translation>选择数据组 2</translation>
    </message>
    <message>
        <source>Select data set 3</source>
        <translation>选择数据组 3</translation>
    </message>
    <message>
        <source>N1 (species A)</source>
        <translation>N1 (物种 A)</translation>
    </message>
    <message>
        <source>N2 (species B)</source>
        <translation>N2 (物种 B)</translation>
    </message>
    <message>
        <source>N2 vs. N1</source>
        <translation>N2–N1 图</translation>
    </message>
    <message>
        <source>dN vs. t</source>
        <translation>dN–t 图</translation>
    </message>
    <message>
        <source>N vs. t</source>
        <translation>N–t 图</translation>
    </message>
    <message>
        <source>Isoclines</source>
        <translation>等斜线</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大图</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmHowto</name>
    <message>
        <source>Click on RUN to run the simulation.
Click on the graph to see more graphs.
Click on a parameter box to change the default value, then press Enter to confirm the change. 

Comments and suggestions are welcome by e-mail to vorlenza@example.org.</source>
        <translation>点击“运行”开始模拟。
点击图表可以查看更多图表。
点击参数框可以修改默认值，然后按 Enter 键确认修改。

欢迎通过电子邮件 vorlenza@example.org 提出意见和建议。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>使用说明</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmIntrofrm</name>
    <message>
        <source>The Lotka–Volterra model of two species that compete for the same resources is the simplest two-species competition model. It is extended from the logistic growth model.  It assumes that all individuals of a species are identical (no age difference and no sexual dimorphism). Detailed discussions can be found in most Ecology textbooks. This model is not applicable to age-structured populations. However, the undergraduate students can use this model to learn about the isocline and equilibrium analysis and vector addition. </source>
        <translation>两个物种竞争同一资源的 Lotka–Volterra 模型是最简单的两物种竞争模型。它由逻辑斯谛增长模型扩展而来。它假设同一物种的所有个体都相同（没有年龄差异，也没有性二型）。大多数生态学教科书都有详细讨论。该模型不适用于有年龄结构的种群。不过，学生可以用它学习零增长等斜线分析、平衡点分析和向量加法。</translation>
    </message>
    <message>
        <source>References</source>
        <translation>参考文献</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>简介</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmLab</name>
    <message>
        <source>Phase-plane lab</source>
        <translation>相平面实验室</translation>
    </message>
    <message>
        <source>Phase plane</source>
        <translation>相平面</translation>
    </message>
    <message>
        <source>Map of outcomes</source>
        <translation>结局图</translation>
    </message>
    <message>
        <source>The arrow keys move the handle: left and right change alpha, up and down change beta.</source>
        <translation>方向键移动手柄：左右改变 alpha，上下改变 beta。</translation>
    </message>
    <message>
        <source>K1:</source>
        <translation>K1：</translation>
    </message>
    <message>
        <source>Carrying capacity for species A (K1)</source>
        <translation>物种 A 的环境容纳量 (K1)</translation>
    </message>
    <message>
        <source>K2:</source>
        <translation>K2：</translation>
    </message>
    <message>
        <source>Carrying capacity for species B (K2)</source>
        <translation>物种 B 的环境容纳量 (K2)</translation>
    </message>
    <message>
        <source>r1:</source>
        <translation>r1：</translation>
    </message>
    <message>
        <source>Intrinsic rate of species A (r1)</source>
        <translation>物种 A 的内禀增长率 (r1)</translation>
    </message>
    <message>
        <source>r2:</source>
        <translation>r2：</translation>
    </message>
    <message>
        <source>Intrinsic rate of species B (r2)</source>
        <translation>物种 B 的内禀增长率 (r2)</translation>
    </message>
    <message>
        <source>alpha:</source>
        <translation>alpha：</translation>
    </message>
    <message>
        <source>Constant a (alpha, effect of B on A)</source>
        <translation>常数 a（alpha，B 对 A 的影响）</translation>
    </message>
    <message>
        <source>beta:</source>
        <translation>beta：</translation>
    </message>
    <message>
        <source>Constant b (beta, effect of A on B)</source>
        <translation>常数 b（beta，A 对 B 的影响）</translation>
    </message>
    <message>
        <source>Show the daily steps as markers</source>
        <translation>以标记显示每日步长</translation>
    </message>
    <message>
        <source>Clear trajectories</source>
        <translation>清除轨迹</translation>
    </message>
    <message>
        <source>Use these values</source>
        <translation>使用这些数值</translation>
    </message>
    <message>
        <source>Write these constants into the main window&apos;s fields</source>
        <translation>将这些常数写入主窗口的输入框</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>打印本窗口</translation>
    </message>
    <message>
        <source>The arrow keys move a cursor; Enter starts a trajectory there. Up to 12 trajectories.</source>
        <translation>方向键移动光标；按 Enter 键在该处开始一条轨迹。最多 12 条轨迹。</translation>
    </message>
    <message>
        <source>Outcome map</source>
        <translation>结局图</translation>
    </message>
    <message>
        <source>Equilibria</source>
        <translation>平衡点</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Back to the window the lab was opened from</source>
        <translation>返回打开实验室的窗口</translation>
    </message>
    <message>
        <source>&amp;Direction arrows</source>
        <translation>方向箭头(&amp;D)</translation>
    </message>
    <message>
        <source>Equilibria:</source>
        <translation>平衡点：</translation>
    </message>
    <message>
        <source>every point of the line from (K1, 0) to (0, K2)</source>
        <translation>从 (K1, 0) 到 (0, K2) 这条线上的每一点</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmLarggraf</name>
    <message>
        <source>N2 vs. N1</source>
        <translation>N2–N1 图</translation>
    </message>
    <message>
        <source>dN1 and dN2 vs. time</source>
        <translation>dN1、dN2 随时间变化</translation>
    </message>
    <message>
        <source>N1 and N2 vs. t</source>
        <translation>N1 和 N2–t 图</translation>
    </message>
    <message>
        <source>All graphs</source>
        <translation>全部图表</translation>
    </message>
    <message>
        <source>N1, N2 and isoclines</source>
        <translation>N1、N2 及等斜线</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>打印本窗口</translation>
    </message>
    <message>
        <source>Main form</source>
        <translation>主窗口</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmLesson</name>
    <message>
        <source>Right.</source>
        <translation>正确。</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <translation>错误。</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>课程</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>&amp;Answer:</source>
        <translation>答案(&amp;A)：</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>答案</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>检查(&amp;C)</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>检查</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>评分</translation>
    </message>
    <message>
        <source>Marks so far</source>
        <translation>目前的评分</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>上一题(&amp;B)</translation>
    </message>
    <message>
        <source>Previous task</source>
        <translation>上一个任务</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>下一题(&amp;N)</translation>
    </message>
    <message>
        <source>Next task</source>
        <translation>下一个任务</translation>
    </message>
    <message>
        <source>&amp;Save my answers…</source>
        <translation>保存我的答案(&amp;S)…</translation>
    </message>
    <message>
        <source>Save my answers</source>
        <translation>保存我的答案</translation>
    </message>
    <message>
        <source>Task %1 of %2: %3</source>
        <translation>任务 %1/%2：%3</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>保留(&amp;K)</translation>
    </message>
    <message>
        <source>Kept for your teacher.</source>
        <translation>已留给你的老师。</translation>
    </message>
    <message>
        <source>Marks so far: %1 right of %2 checked</source>
        <translation>目前：已检查 %2 题，正确 %1 题</translation>
    </message>
    <message>
        <source>Answers (*.json)</source>
        <translation>答案 (*.json)</translation>
    </message>
    <message>
        <source>The lesson “%1” could not be opened: %2.</source>
        <translation>无法打开课程“%1”：%2。</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmQuiz</name>
    <message>
        <source>Quiz: four phase planes with their isoclines</source>
        <translation>测验：四个相平面及其等斜线</translation>
    </message>
    <message>
        <source>Which sketch shows coexistence, which a win of species A, which a win of species B, and which an outcome that depends on the start?</source>
        <translation>哪幅草图表示共存？哪幅表示物种 A 获胜？哪幅表示物种 B 获胜？哪幅的结果取决于初始状态？</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <translation>返回主窗口</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>测验</translation>
    </message>
    <message>
        <source>quiz.jpg</source>
        <extracomment>the file of the quiz picture painted with this language&apos;s words by tools/paint_pictures.cpp</extracomment>
        <translation>quiz-zh_CN.jpg</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmReference</name>
    <message>
        <source>Back to main form</source>
        <translation>返回主窗口</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>References</source>
        <translation>参考文献</translation>
    </message>
</context>
<context>
    <name>vorlenza::frmTitlform</name>
    <message>
        <source>Press any key or click mouse to start.</source>
        <translation>按任意键或单击鼠标开始。</translation>
    </message>
</context>
</TS>
