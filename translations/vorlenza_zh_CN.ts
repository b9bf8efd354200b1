<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChartView</name>
    <message>
        <source>Chart</source>
        <translation>图表</translation>
    </message>
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
    <name>Vater</name>
    <message>
        <source>Picture: hills and a lake at dusk</source>
        <translation>图片：黄昏时的山丘和湖泊</translation>
    </message>
</context>
<context>
    <name>frmCopyrigh</name>
    <message>
        <source>Picture: the two competing species</source>
        <translation>图片：两个相互竞争的物种</translation>
    </message>
</context>
<context>
    <name>frmQuiz</name>
    <message>
        <source>Quiz: four phase planes with their isoclines</source>
        <translation>测验：四幅带等倾线的相平面图</translation>
    </message>
    <message>
        <source>Which sketch shows coexistence, which a win of species A, which a win of species B, and which an outcome that depends on the start?</source>
        <translation>哪幅草图表示共存，哪幅表示物种 A 获胜，哪幅表示物种 B 获胜，哪幅表示结果取决于初始状态？</translation>
    </message>
</context>
</TS>
