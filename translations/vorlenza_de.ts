<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ChartView</name>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
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
    <name>Vater</name>
    <message>
        <source>Picture: hills and a lake at dusk</source>
        <translation>Bild: Hügel und ein See in der Abenddämmerung</translation>
    </message>
</context>
<context>
    <name>frmCopyrigh</name>
    <message>
        <source>Picture: the two competing species</source>
        <translation>Bild: die beiden konkurrierenden Arten</translation>
    </message>
</context>
<context>
    <name>frmQuiz</name>
    <message>
        <source>Quiz: four phase planes with their isoclines</source>
        <translation>Quiz: vier Phasenebenen mit ihren Isoklinen</translation>
    </message>
    <message>
        <source>Which sketch shows coexistence, which a win of species A, which a win of species B, and which an outcome that depends on the start?</source>
        <translation>Welche Skizze zeigt Koexistenz, welche einen Sieg von Art A, welche einen Sieg von Art B und welche einen Ausgang, der vom Anfangszustand abhängt?</translation>
    </message>
</context>
</TS>
