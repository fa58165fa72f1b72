<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="fr_FR">
<context>
    <name>frmMain</name>
    <message>
        <source>Manuel d'utilisation</source>
        <translation>Manuel d'utilisation</translation>
    </message>
    <message>
        <source>Recherche d'une mise à jour</source>
        <translation>Recherche d'une mise à jour</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Acquisition</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Une mise à jour est disponible</source>
        <translation>Une mise à jour est disponible</translation>
    </message>
    <message>
        <source>Le manuel d'utilisation est introuvable :
%1</source>
        <translation>Le manuel d'utilisation est introuvable :
%1</translation>
    </message>
</context>
</TS>