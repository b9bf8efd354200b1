<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ChartView</name>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
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
    <name>Vater</name>
    <message>
        <source>Picture: hills and a lake at dusk</source>
        <translation>Imagem: colinas e um lago ao entardecer</translation>
    </message>
</context>
<context>
    <name>frmCopyrigh</name>
    <message>
        <source>Picture: the two competing species</source>
        <translation>Imagem: as duas espécies em competição</translation>
    </message>
</context>
<context>
    <name>frmQuiz</name>
    <message>
        <source>Quiz: four phase planes with their isoclines</source>
        <translation>Quiz: quatro planos de fase com suas isóclinas</translation>
    </message>
    <message>
        <source>Which sketch shows coexistence, which a win of species A, which a win of species B, and which an outcome that depends on the start?</source>
        <translation>Qual esboço mostra a coexistência, qual a vitória da espécie A, qual a vitória da espécie B e qual um resultado que depende do ponto de partida?</translation>
    </message>
</context>
</TS>
