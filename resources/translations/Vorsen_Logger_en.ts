<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>frmMain</name>
    <message>
        <source>Manuel d'utilisation</source>
        <translation>User manual</translation>
    </message>
    <message>
        <source>Recherche d'une mise à jour</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Acquisition</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Une mise à jour est disponible</source>
        <translation>An update is available</translation>
    </message>
    <message>
        <source>Le manuel d'utilisation est introuvable :
%1</source>
        <translation>The user manual cannot be found:
%1</translation>
    </message>
</context>
</TS>