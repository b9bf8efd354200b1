<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ChartView</name>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 against %3, %n series</source>
        <translation>
            <numerusform>%1 : %2 en fonction de %3, %n série</numerusform>
            <numerusform>%1 : %2 en fonction de %3, %n séries</numerusform>
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
    <name>Vater</name>
    <message>
        <source>Picture: hills and a lake at dusk</source>
        <translation>Image : des collines et un lac au crépuscule</translation>
    </message>
</context>
<context>
    <name>frmCopyrigh</name>
    <message>
        <source>Picture: the two competing species</source>
        <translation>Image : les deux espèces en compétition</translation>
    </message>
</context>
<context>
    <name>frmQuiz</name>
    <message>
        <source>Quiz: four phase planes with their isoclines</source>
        <translation>Quiz : quatre plans de phase avec leurs isoclines</translation>
    </message>
    <message>
        <source>Which sketch shows coexistence, which a win of species A, which a win of species B, and which an outcome that depends on the start?</source>
        <translation>Quel croquis montre la coexistence, lequel la victoire de l’espèce A, lequel la victoire de l’espèce B, et lequel une issue qui dépend du point de départ ?</translation>
    </message>
</context>
</TS>
