<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ChartView</name>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
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
    <name>Vater</name>
    <message>
        <source>Picture: hills and a lake at dusk</source>
        <translation>Imagen: colinas y un lago al atardecer</translation>
    </message>
</context>
<context>
    <name>frmCopyrigh</name>
    <message>
        <source>Picture: the two competing species</source>
        <translation>Imagen: las dos especies en competencia</translation>
    </message>
</context>
<context>
    <name>frmQuiz</name>
    <message>
        <source>Quiz: four phase planes with their isoclines</source>
        <translation>Cuestionario: cuatro planos de fase con sus isoclinas</translation>
    </message>
    <message>
        <source>Which sketch shows coexistence, which a win of species A, which a win of species B, and which an outcome that depends on the start?</source>
        <translation>¿Qué esquema muestra la coexistencia, cuál la victoria de la especie A, cuál la victoria de la especie B y cuál un resultado que depende del punto de partida?</translation>
    </message>
</context>
</TS>
