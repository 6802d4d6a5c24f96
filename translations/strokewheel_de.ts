<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>K2CommandRZModel</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>block editor</source>
        <translation>im Blockeditor</translation>
    </message>
    <message>
        <source>EditComponent.</source>
        <translation>während EditComponent</translation>
    </message>
    <message>
        <source>Sheet area</source>
        <translation>im Blattbereich</translation>
    </message>
    <message>
        <source>Command active in %1 only. Do you want to assign command to mouse gesture?</source>
        <translation>Befehl nur %1 aktiv. Möchten Sie den Befehl einer Mausgeste zuweisen?</translation>
    </message>
</context>
<context>
    <name>K2DonutDialogManager</name>
    <message>
        <source>All Commands</source>
        <translation>Alle Befehle</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>This will delete all of the user defined mouse gestures and reset to the factory defaults. Do you want to continue?</source>
        <translation>Dadurch werden alle benutzerdefinierten Mausgesten gelöscht und die Werkseinstellungen wiederhergestellt. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>the printer reported an error.</source>
        <translation>der Drucker hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>The gesture list could not be printed: %1</source>
        <translation>Die Gestenliste konnte nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>Command active in block editor only.</source>
        <translation>Befehl nur im Blockeditor aktiv.</translation>
    </message>
    <message>
        <source>Command active during EditComponent only.</source>
        <translation>Befehl nur während EditComponent aktiv.</translation>
    </message>
    <message>
        <source>Command active in Sheet area only</source>
        <translation>Befehl nur im Blattbereich aktiv</translation>
    </message>
</context>
<context>
    <name>K2DonutDialogManagerClass</name>
    <message>
        <source>Mouse Gestures</source>
        <translation>Mausgesten</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Enable mouse gestures</source>
        <translation>Mausgesten aktivieren</translation>
    </message>
    <message>
        <source>4 Gestures</source>
        <translation>4 Gesten</translation>
    </message>
    <message>
        <source>8 Gestures</source>
        <translation>8 Gesten</translation>
    </message>
    <message>
        <source>Mouse Gesture assigned commands</source>
        <translation>Befehle mit Mausgeste</translation>
    </message>
    <message>
        <source>Search for:</source>
        <translation>Suchen nach:</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Liste drucken</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Others</source>
        <translation>Sonstige</translation>
    </message>
</context>
<context>
    <name>Strokewheel</name>
    <message>
        <source>GESTURE</source>
        <translation>GESTURE</translation>
    </message>
</context>
<context>
    <name>qgishost</name>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Unbekannter Befehl „%1“.</translation>
    </message>
    <message>
        <source>%1 is not available now.</source>
        <translation>%1 ist gerade nicht verfügbar.</translation>
    </message>
    <message>
        <source>Mouse Gestures</source>
        <translation>Mausgesten</translation>
    </message>
    <message>
        <source>Mouse gestures are not available.</source>
        <translation>Mausgesten sind nicht verfügbar.</translation>
    </message>
    <message>
        <source>Mouse Gestures...</source>
        <translation>Mausgesten...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>The settings cannot be saved; changes last until QGIS closes.</source>
        <translation>Die Einstellungen können nicht gespeichert werden; Änderungen gelten nur, bis QGIS beendet wird.</translation>
    </message>
</context>
</TS>
