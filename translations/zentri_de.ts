<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>main</name>
    <message>
        <source>Finds Zentri show controllers on the network and configures them.</source>
        <translation>Findet Zentri-Showcontroller im Netzwerk und konfiguriert sie.</translation>
    </message>
    <message>
        <source>Opens the rig FILE and shows it at start.</source>
        <translation>Öffnet beim Start das Rig FILE und zeigt es an.</translation>
    </message>
</context>
<context>
    <name>zentri::DeviceTable</name>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Module version</source>
        <translation>Modulversion</translation>
    </message>
</context>
<context>
    <name>zentri::EventList</name>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Save events</source>
        <translation>Ereignisse speichern</translation>
    </message>
    <message>
        <source>Text (*.txt);;All files (*)</source>
        <translation>Text (*.txt);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>zentri::PatchWindow</name>
    <message>
        <source>NET</source>
        <translation>NET</translation>
    </message>
    <message>
        <source>Universe</source>
        <translation>Universe</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Input followed</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>Nothing is sent until you press &quot;Send&quot;. The patch below is as it will be with these changes:</source>
        <translation>Erst mit „Senden“ wird etwas gesendet. Der Patch unten zeigt den Stand nach diesen Änderungen:</translation>
    </message>
    <message>
        <source>Changes to send</source>
        <translation>Zu sendende Änderungen</translation>
    </message>
    <message>
        <source>&amp;Patch of:</source>
        <translation>&amp;Patch von:</translation>
    </message>
    <message>
        <source>&amp;Universe:</source>
        <translation>&amp;Universe:</translation>
    </message>
    <message>
        <source>The patch in numbers</source>
        <translation>Der Patch in Zahlen</translation>
    </message>
    <message>
        <source>32 by 16 cells, one per channel, coloured by device, red where there is a conflict; the list of uses below reads the same</source>
        <translation>32 mal 16 Zellen, eine je Kanal, nach Gerät gefärbt, rot bei einem Konflikt; die Liste der Belegungen unten sagt dasselbe</translation>
    </message>
    <message>
        <source>U&amp;ses</source>
        <translation>&amp;Belegungen</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Belegungen</translation>
    </message>
    <message>
        <source>C&amp;onflicts</source>
        <translation>K&amp;onflikte</translation>
    </message>
    <message>
        <source>Conflicts</source>
        <translation>Konflikte</translation>
    </message>
    <message>
        <source>Export report...</source>
        <translation>Bericht exportieren...</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Devices found</source>
        <translation>Gefundene Geräte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1: %2
%3</source>
        <translation>%1: %2
%3</translation>
    </message>
    <message>
        <source>The whole rig</source>
        <translation>Das ganze Rig</translation>
    </message>
    <message>
        <source>Devices: %1</source>
        <translation>Geräte: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n device(s), </source>
        <translation>
            <numerusform>%1: %n Gerät, </numerusform>
            <numerusform>%1: %n Geräte, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n use(s) </source>
        <translation>
            <numerusform>%n Belegung </numerusform>
            <numerusform>%n Belegungen </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n universe(s); </source>
        <translation>
            <numerusform>in %n Universe; </numerusform>
            <numerusform>in %n Universes; </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s), </source>
        <translation>
            <numerusform>%n Fehler, </numerusform>
            <numerusform>%n Fehler, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s).</source>
        <translation>
            <numerusform>%n Warnung.</numerusform>
            <numerusform>%n Warnungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>NET %1, universe %2: </source>
        <translation>NET %1, Universe %2: </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) in use</source>
        <translation>
            <numerusform>%n Kanal belegt</numerusform>
            <numerusform>%n Kanäle belegt</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%n DMX output(s) fed</source>
        <translation>
            <numerusform>%n DMX-Ausgang gespeist</numerusform>
            <numerusform>%n DMX-Ausgänge gespeist</numerusform>
        </translation>
    </message>
    <message>
        <source>, conflicts</source>
        <translation>, Konflikte</translation>
    </message>
    <message>
        <source>Channel %1:</source>
        <translation>Kanal %1:</translation>
    </message>
    <message>
        <source>Channels: no universe in use</source>
        <translation>Kanäle: kein Universe belegt</translation>
    </message>
    <message>
        <source>Channels of NET %1, universe %2</source>
        <translation>Kanäle von NET %1, Universe %2</translation>
    </message>
    <message>
        <source>This whole universe feeds the DMX output of %1.</source>
        <translation>Dieses ganze Universe speist den DMX-Ausgang von %1.</translation>
    </message>
    <message>
        <source>Zentri report %1.pdf</source>
        <translation>Zentri-Bericht %1.pdf</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>Bericht exportieren</translation>
    </message>
    <message>
        <source>Report (*.pdf);;All files (*)</source>
        <translation>Bericht (*.pdf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 already exist(s) beside the report. Replace?</source>
        <translation>%1 liegt/liegen schon neben dem Bericht. Ersetzen?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>The report was written:
</source>
        <translation>Der Bericht wurde geschrieben:
</translation>
    </message>
    <message>
        <source>Channel %1: not in use</source>
        <translation>Kanal %1: nicht belegt</translation>
    </message>
    <message>
        <source>Zentri patch</source>
        <translation>Zentri Patch</translation>
    </message>
</context>
<context>
    <name>zentri::ReaddressDialog</name>
    <message>
        <source>Readdress</source>
        <translation>Neu adressieren</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) take consecutive blocks of channels, in the table&apos;s order:</source>
        <translation>
            <numerusform>%n Gerät bekommt fortlaufende Kanalblöcke, in der Reihenfolge der Tabelle:</numerusform>
            <numerusform>%n Geräte bekommen fortlaufende Kanalblöcke, in der Reihenfolge der Tabelle:</numerusform>
        </translation>
    </message>
    <message>
        <source>Devices to readdress, in order</source>
        <translation>Neu zu adressierende Geräte, in Reihenfolge</translation>
    </message>
    <message>
        <source>&amp;Outputs</source>
        <translation>&amp;Ausgänge</translation>
    </message>
    <message>
        <source>&amp;Audio player channels</source>
        <translation>Kanäle des &amp;Audioplayers</translation>
    </message>
    <message>
        <source>Readdress:</source>
        <translation>Neu adressieren:</translation>
    </message>
    <message>
        <source>Start &amp;NET:</source>
        <translation>Start-&amp;NET:</translation>
    </message>
    <message>
        <source>Start &amp;universe:</source>
        <translation>Start-&amp;Universe:</translation>
    </message>
    <message>
        <source>Start &amp;channel:</source>
        <translation>Start&amp;kanal:</translation>
    </message>
    <message>
        <source>Channels &amp;per device:</source>
        <translation>Kanäle &amp;je Gerät:</translation>
    </message>
    <message>
        <source>Show new patch...</source>
        <translation>Neuen Patch anzeigen...</translation>
    </message>
    <message>
        <source>Not readdressed:
</source>
        <translation>Nicht neu adressiert:
</translation>
    </message>
    <message>
        <source>Select devices that answered the last discovery.</source>
        <translation>Geräte wählen, die auf die letzte Suche geantwortet haben.</translation>
    </message>
    <message>
        <source>The devices chosen already have these addresses: nothing to send.</source>
        <translation>Die gewählten Geräte haben diese Adressen schon: nichts zu senden.</translation>
    </message>
    <message>
        <source>Already at these addresses, nothing sent:
</source>
        <translation>Schon auf diesen Adressen, nichts gesendet:
</translation>
    </message>
    <message>
        <source>%1 changed while the new patch was shown; nothing was sent.</source>
        <translation>%1 hat sich geändert, während der neue Patch angezeigt wurde; nichts wurde gesendet.</translation>
    </message>
</context>
<context>
    <name>zentri::RigWindow</name>
    <message>
        <source>Zentri rig (*.json);;All files (*)</source>
        <translation>Zentri-Rig (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The rig &quot;%1&quot; has changes that are not saved. Drop them?</source>
        <translation>Das Rig „%1“ hat ungespeicherte Änderungen. Verwerfen?</translation>
    </message>
    <message>
        <source>No device is listed: press &quot;Find devices&quot; first.</source>
        <translation>Kein Gerät in der Liste: zuerst „Geräte suchen“ drücken.</translation>
    </message>
    <message>
        <source>New rig</source>
        <translation>Neues Rig</translation>
    </message>
    <message>
        <source>Open rig</source>
        <translation>Rig öffnen</translation>
    </message>
    <message>
        <source>Save rig</source>
        <translation>Rig speichern</translation>
    </message>
    <message>
        <source>Rig &quot;%1&quot;</source>
        <translation>Rig „%1“</translation>
    </message>
    <message>
        <source>Devices found</source>
        <translation>Gefundene Geräte</translation>
    </message>
    <message>
        <source>answering</source>
        <translation>antwortet</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Module version</source>
        <translation>Modulversion</translation>
    </message>
    <message>
        <source>SD card</source>
        <translation>SD-Karte</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Zuletzt gesehen</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>The rig and its file</source>
        <translation>Das Rig und seine Datei</translation>
    </message>
    <message>
        <source>Devices of the rig and devices found</source>
        <translation>Geräte des Rigs und gefundene Geräte</translation>
    </message>
    <message>
        <source>Find devices</source>
        <translation>Geräte suchen</translation>
    </message>
    <message>
        <source>Watch every</source>
        <translation>Überwachen alle</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Seconds between two discoveries while watching</source>
        <translation>Sekunden zwischen zwei Suchläufen beim Überwachen</translation>
    </message>
    <message>
        <source>Send rig configuration...</source>
        <translation>Rig-Konfiguration senden...</translation>
    </message>
    <message>
        <source>Take device configuration</source>
        <translation>Gerätekonfiguration übernehmen</translation>
    </message>
    <message>
        <source>Replace with...</source>
        <translation>Ersetzen durch...</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Erfassen</translation>
    </message>
    <message>
        <source>Show patch...</source>
        <translation>Patch anzeigen...</translation>
    </message>
    <message>
        <source>Readdress...</source>
        <translation>Neu adressieren...</translation>
    </message>
    <message>
        <source>Give the selected devices&apos; outputs or audio player consecutive channels</source>
        <translation>Den Ausgängen oder dem Audioplayer der gewählten Geräte fortlaufende Kanäle geben</translation>
    </message>
    <message>
        <source>Export report...</source>
        <translation>Bericht exportieren...</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>What the last discovery found</source>
        <translation>Was die letzte Suche gefunden hat</translation>
    </message>
    <message>
        <source>Save events...</source>
        <translation>Ereignisse speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No device in the rig, none found</source>
        <translation>Kein Gerät im Rig, keins gefunden</translation>
    </message>
    <message>
        <source>Searching... %1</source>
        <translation>Suche läuft... %1</translation>
    </message>
    <message>
        <source>Confirming what was sent... %1</source>
        <translation>Gesendetes wird bestätigt... %1</translation>
    </message>
    <message>
        <source>, in no file</source>
        <translation>, in keiner Datei</translation>
    </message>
    <message>
        <source> (changed, not saved)</source>
        <translation> (geändert, nicht gespeichert)</translation>
    </message>
    <message numerus="yes">
        <source>; %n device(s)</source>
        <translation>
            <numerusform>; %n Gerät</numerusform>
            <numerusform>; %n Geräte</numerusform>
        </translation>
    </message>
    <message>
        <source>; also asks %1</source>
        <translation>; fragt auch %1</translation>
    </message>
    <message>
        <source>

Nothing is sent to:
</source>
        <translation>

Nichts wird gesendet an:
</translation>
    </message>
    <message>
        <source>No device differs from the rig: nothing to send.</source>
        <translation>Kein Gerät weicht vom Rig ab: nichts zu senden.</translation>
    </message>
    <message>
        <source>Nothing to send to the devices chosen.</source>
        <translation>Nichts an die gewählten Geräte zu senden.</translation>
    </message>
    <message numerus="yes">
        <source>Send the rig&apos;s configuration to %n device(s)?</source>
        <translation>
            <numerusform>Die Rig-Konfiguration an %n Gerät senden?</numerusform>
            <numerusform>Die Rig-Konfiguration an %n Geräte senden?</numerusform>
        </translation>
    </message>
    <message>
        <source>taken</source>
        <translation>übernommen</translation>
    </message>
    <message>
        <source>Nothing taken from:
</source>
        <translation>Nichts übernommen von:
</translation>
    </message>
    <message>
        <source>Select one device that is &quot;missing&quot;, or one that is &quot;not in rig&quot;.</source>
        <translation>Ein Gerät wählen, das „fehlt“ oder „nicht im Rig“ ist.</translation>
    </message>
    <message>
        <source>No device that is &quot;not in rig&quot; answered.</source>
        <translation>Kein Gerät „nicht im Rig“ hat geantwortet.</translation>
    </message>
    <message>
        <source>No device of the rig is &quot;missing&quot;.</source>
        <translation>Kein Gerät des Rigs „fehlt“.</translation>
    </message>
    <message>
        <source>The device that takes the place of %1:</source>
        <translation>Das Gerät, das %1 ersetzt:</translation>
    </message>
    <message>
        <source>The rig entry that %1 takes over:</source>
        <translation>Der Rig-Eintrag, den %1 übernimmt:</translation>
    </message>
    <message>
        <source>The devices changed while the list was open; nothing was sent.</source>
        <translation>Die Geräte haben sich geändert, während die Liste offen war; nichts wurde gesendet.</translation>
    </message>
    <message>
        <source>Give the rig entry &quot;%1&quot; (%2) to the device %3 at %4?

It is sent the entry&apos;s configuration: %5.

Once it reports that configuration, the entry&apos;s MAC becomes %3 and its name stays.</source>
        <translation>Den Rig-Eintrag „%1“ (%2) dem Gerät %3 unter %4 geben?

Es bekommt die Konfiguration des Eintrags: %5.

Sobald es diese Konfiguration meldet, wird die MAC des Eintrags %3, sein Name bleibt.</translation>
    </message>
    <message>
        <source>No device answered: press &quot;Find devices&quot; first.</source>
        <translation>Kein Gerät hat geantwortet: zuerst „Geräte suchen“ drücken.</translation>
    </message>
    <message>
        <source>Not sent:
</source>
        <translation>Nicht gesendet:
</translation>
    </message>
    <message>
        <source>Confirmed by the device:
</source>
        <translation>Vom Gerät bestätigt:
</translation>
    </message>
    <message>
        <source>Not confirmed:
</source>
        <translation>Nicht bestätigt:
</translation>
    </message>
    <message>
        <source>Zentri rig</source>
        <translation>Zentri Rig</translation>
    </message>
</context>
<context>
    <name>zentri::TMainForm</name>
    <message>
        <source>Front panel of the device</source>
        <translation>Frontplatte des Geräts</translation>
    </message>
    <message>
        <source>Live record</source>
        <translation>Live-Aufnahme</translation>
    </message>
    <message>
        <source>Outputs setup</source>
        <translation>Ausgänge</translation>
    </message>
    <message>
        <source>Triggers setup</source>
        <translation>Auslöser</translation>
    </message>
    <message>
        <source>Audio setup</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>DMX setup</source>
        <translation>DMX</translation>
    </message>
    <message>
        <source>No SD card</source>
        <translation>Keine SD-Karte</translation>
    </message>
    <message>
        <source>SD card present</source>
        <translation>SD-Karte eingesteckt</translation>
    </message>
    <message>
        <source>NO SD CARD</source>
        <translation>KEINE SD-KARTE</translation>
    </message>
    <message>
        <source>System restart. Just like when you turn on the power.</source>
        <translation>Neustart des Systems, wie beim Einschalten.</translation>
    </message>
    <message>
        <source>Restart device</source>
        <translation>Gerät neu starten</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>No found devices</source>
        <translation>Keine Geräte gefunden</translation>
    </message>
    <message>
        <source>Devices found</source>
        <translation>Gefundene Geräte</translation>
    </message>
    <message>
        <source>Restore default values</source>
        <translation>Werkseinstellungen wiederherstellen</translation>
    </message>
    <message>
        <source>Use this option with caution!!!</source>
        <translation>Diese Funktion mit Vorsicht verwenden!!!</translation>
    </message>
    <message>
        <source>Find devices</source>
        <translation>Geräte suchen</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Speichern &amp;&amp; schließen</translation>
    </message>
    <message>
        <source>Artnet input</source>
        <translation>Art-Net-Eingang</translation>
    </message>
    <message>
        <source>DMX input</source>
        <translation>DMX-Eingang</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Discovery state</source>
        <translation>Stand der Suche</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Save configuration...</source>
        <translation>Konfiguration speichern...</translation>
    </message>
    <message>
        <source>Load configuration...</source>
        <translation>Konfiguration laden...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Rig</source>
        <translation>&amp;Rig</translation>
    </message>
    <message>
        <source>New rig from devices found</source>
        <translation>Neues Rig aus den gefundenen Geräten</translation>
    </message>
    <message>
        <source>Open rig...</source>
        <translation>Rig öffnen...</translation>
    </message>
    <message>
        <source>Save rig</source>
        <translation>Rig speichern</translation>
    </message>
    <message>
        <source>Save rig as...</source>
        <translation>Rig speichern unter...</translation>
    </message>
    <message>
        <source>Show rig...</source>
        <translation>Rig anzeigen...</translation>
    </message>
    <message>
        <source>Show patch...</source>
        <translation>Patch anzeigen...</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>Searching... (not sent on %1)</source>
        <translation>Suche läuft... (nicht gesendet über %1)</translation>
    </message>
    <message>
        <source>Select device</source>
        <translation>Gerät auswählen</translation>
    </message>
    <message>
        <source>A Standard module has no DMX output: DMX setup needs a Premium module.</source>
        <translation>Ein Standard-Modul hat keinen DMX-Ausgang: DMX braucht ein Premium-Modul.</translation>
    </message>
    <message>
        <source>SD CARD OK</source>
        <translation>SD-KARTE OK</translation>
    </message>
    <message>
        <source>Zentri configuration (*.json);;All files (*)</source>
        <translation>Zentri-Konfiguration (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The device list changed while the dialog was open; nothing was done. Select the device and try again.</source>
        <translation>Die Geräteliste hat sich geändert, während der Dialog offen war; nichts wurde getan. Das Gerät auswählen und es noch einmal versuchen.</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>Load configuration</source>
        <translation>Konfiguration laden</translation>
    </message>
    <message>
        <source>Load %1 into &quot;%2&quot; (%3).

%4

Store this configuration and send it to the device?</source>
        <translation>%1 in „%2“ (%3) laden.

%4

Diese Konfiguration übernehmen und an das Gerät senden?</translation>
    </message>
    <message>
        <source>Cannot receive replies on UDP port %1: %2</source>
        <translation>Antworten auf UDP-Port %1 können nicht empfangen werden: %2</translation>
    </message>
</context>
<context>
    <name>zentri::TfAbout</name>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Zentri logo</source>
        <translation>Zentri-Logo</translation>
    </message>
    <message>
        <source>Zentri manager v.: %1</source>
        <translation>Zentri Manager Vers.: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>zentri::TfCue</name>
    <message>
        <source>CUE</source>
        <translation>CUE</translation>
    </message>
    <message>
        <source>Cue</source>
        <translation>Cue</translation>
    </message>
    <message>
        <source>Cues</source>
        <translation>Cues</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Cue name</source>
        <translation>Cue-Name</translation>
    </message>
    <message>
        <source>Save CUE</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>DMX channels</source>
        <translation>DMX-Kanäle</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>click: %1 row: %2</source>
        <translation>Klick: %1 Zeile: %2</translation>
    </message>
</context>
<context>
    <name>zentri::TfDMXSetup</name>
    <message>
        <source>Zentri DMX setup</source>
        <translation>Zentri DMX-Einstellungen</translation>
    </message>
    <message>
        <source>DMX Output</source>
        <translation>DMX-Ausgang</translation>
    </message>
    <message>
        <source>NET</source>
        <translation>NET</translation>
    </message>
    <message>
        <source>Universe</source>
        <translation>Universe</translation>
    </message>
    <message>
        <source>DMX output NET</source>
        <translation>DMX-Ausgang NET</translation>
    </message>
    <message>
        <source>DMX output Universe</source>
        <translation>DMX-Ausgang Universe</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>blackout when there is no input signal</source>
        <translation>Blackout, wenn kein Eingangssignal anliegt</translation>
    </message>
</context>
<context>
    <name>zentri::TfLiveButtonRecord</name>
    <message>
        <source>Zentri Live Button Record</source>
        <translation>Zentri Live-Aufnahme</translation>
    </message>
    <message>
        <source>Show %1 length</source>
        <translation>Länge von Show %1</translation>
    </message>
    <message>
        <source>Show %1 light</source>
        <translation>Leuchte von Show %1</translation>
    </message>
    <message>
        <source>SHOW %1</source>
        <translation>SHOW %1</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>WIEDERGABE</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>Playback time</source>
        <translation>Wiedergabezeit</translation>
    </message>
    <message>
        <source>Incoming packets</source>
        <translation>Eingehende Pakete</translation>
    </message>
    <message>
        <source>Playback position</source>
        <translation>Wiedergabeposition</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>%1 light</source>
        <translation>Leuchte %1</translation>
    </message>
    <message>
        <source>Waiting for Artnet packet...</source>
        <translation>Warte auf Art-Net-Paket...</translation>
    </message>
    <message>
        <source>Waiting for not empty Artnet packet...</source>
        <translation>Warte auf nicht leeres Art-Net-Paket...</translation>
    </message>
    <message>
        <source>Incoming packets: %1</source>
        <translation>Eingehende Pakete: %1</translation>
    </message>
    <message>
        <source>Set show: %1</source>
        <translation>Show gewählt: %1</translation>
    </message>
    <message>
        <source>ERASE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>CONFIRM ERASE</source>
        <translation>LÖSCHEN BESTÄTIGEN</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>AUFNAHME</translation>
    </message>
    <message>
        <source>CONFIRM RECORD (the previous show will be deleted)</source>
        <translation>AUFNAHME BESTÄTIGEN (die bisherige Show wird gelöscht)</translation>
    </message>
    <message>
        <source>SYNCHRO RECORD</source>
        <translation>SYNCHRON-AUFNAHME</translation>
    </message>
    <message>
        <source>CONFIRM SYNCHRO RECORD (the previous show will be deleted)</source>
        <translation>SYNCHRON-AUFNAHME BESTÄTIGEN (die bisherige Show wird gelöscht)</translation>
    </message>
    <message>
        <source>RECORDING...</source>
        <translation>AUFNAHME LÄUFT...</translation>
    </message>
</context>
<context>
    <name>zentri::TfLiveRecord</name>
    <message>
        <source>%1

%2

From: %3
To: %4</source>
        <translation>%1

%2

Von: %3
Bis: %4</translation>
    </message>
    <message>
        <source>Zentri Live Record</source>
        <translation>Zentri Zeitleiste</translation>
    </message>
    <message>
        <source>Time Line</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Mouse position</source>
        <translation>Mausposition</translation>
    </message>
    <message>
        <source>Time at the pointer</source>
        <translation>Zeit am Zeiger</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <comment>the header of the outputs&apos; names</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Hour %1</source>
        <translation>Stunde %1</translation>
    </message>
    <message>
        <source>Minutes of hour %1</source>
        <translation>Minuten der Stunde %1</translation>
    </message>
    <message>
        <source>Pointer mark</source>
        <translation>Zeigermarke</translation>
    </message>
    <message>
        <source>Output %1 time line</source>
        <translation>Zeitleiste von Ausgang %1</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <source>Output %1 row</source>
        <translation>Zeile von Ausgang %1</translation>
    </message>
    <message>
        <source>Pointer line</source>
        <translation>Zeigerlinie</translation>
    </message>
</context>
<context>
    <name>zentri::TfSetupAudio</name>
    <message>
        <source>Catalog:</source>
        <translation>Katalog:</translation>
    </message>
    <message>
        <source>Audio player catalog channel</source>
        <translation>Audioplayer Katalogkanal</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Audio player file channel</source>
        <translation>Audioplayer Dateikanal</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Lautstärke:</translation>
    </message>
    <message>
        <source>Audio player volume channel</source>
        <translation>Audioplayer Lautstärkekanal</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Zustand:</translation>
    </message>
    <message>
        <source>Audio player state channel</source>
        <translation>Audioplayer Zustandskanal</translation>
    </message>
    <message>
        <source>Bass:</source>
        <translation>Bässe:</translation>
    </message>
    <message>
        <source>Audio player bass channel</source>
        <translation>Audioplayer Basskanal</translation>
    </message>
    <message>
        <source>Treble:</source>
        <translation>Höhen:</translation>
    </message>
    <message>
        <source>Audio player treble channel</source>
        <translation>Audioplayer Höhenkanal</translation>
    </message>
    <message>
        <source>Zentri audio setup</source>
        <translation>Zentri Audio-Einstellungen</translation>
    </message>
    <message>
        <source>Master volume</source>
        <translation>Gesamtlautstärke</translation>
    </message>
    <message>
        <source>Master volume value</source>
        <translation>Wert der Gesamtlautstärke</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>ZURÜCKSETZEN</translation>
    </message>
    <message>
        <source>NET</source>
        <translation>NET</translation>
    </message>
    <message>
        <source>Universe</source>
        <translation>Universe</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Audio player NET</source>
        <translation>Audioplayer NET</translation>
    </message>
    <message>
        <source>Audio player Universe</source>
        <translation>Audioplayer Universe</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Play loop</source>
        <translation>Endlos abspielen</translation>
    </message>
</context>
<context>
    <name>zentri::TfSetupInput</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Auslöser</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Show %1</translation>
    </message>
    <message>
        <source>In the ZOZEZER show module version 5-8 are unavailable<byte value="xd"/>
Please correct</source>
        <translation>Im ZOZEZER-Showmodul sind die Shows 5-8 nicht verfügbar<byte value="xd"/>
Bitte korrigieren</translation>
    </message>
    <message>
        <source>Zentri input setup</source>
        <translation>Zentri Auslöser-Einstellungen</translation>
    </message>
    <message>
        <source>Trigger destination IP:</source>
        <translation>Ziel-IP der Auslöser:</translation>
    </message>
    <message>
        <source>Trigger destination IP, number %1</source>
        <translation>Ziel-IP der Auslöser, Zahl %1</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Pressing the play button interrupts the playing file</source>
        <translation>Die Play-Taste unterbricht die laufende Datei</translation>
    </message>
    <message>
        <source>NET</source>
        <translation>NET</translation>
    </message>
    <message>
        <source>Universe</source>
        <translation>Universe</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Catalog</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Play after power on</source>
        <translation>Abspielen nach Einschalten</translation>
    </message>
    <message>
        <source>Trigger test</source>
        <translation>Auslösertest</translation>
    </message>
    <message>
        <source>Trigger %1</source>
        <translation>Auslöser %1</translation>
    </message>
    <message>
        <source>Trigger %1:</source>
        <translation>Auslöser %1:</translation>
    </message>
    <message>
        <source>Trigger %1 function</source>
        <translation>Auslöser %1 Funktion</translation>
    </message>
    <message>
        <source>Trigger %1 catalog</source>
        <translation>Auslöser %1 Katalog</translation>
    </message>
    <message>
        <source>Trigger %1 file</source>
        <translation>Auslöser %1 Datei</translation>
    </message>
    <message>
        <source>Trigger %1 volume</source>
        <translation>Auslöser %1 Lautstärke</translation>
    </message>
    <message>
        <source>Trigger %1 plays after power on</source>
        <translation>Auslöser %1 spielt nach dem Einschalten</translation>
    </message>
    <message>
        <source>Trigger %1 test</source>
        <translation>Auslöser %1 Test</translation>
    </message>
    <message>
        <source>no play</source>
        <translation>nichts abspielen</translation>
    </message>
    <message>
        <source>No play after power on</source>
        <translation>Nach dem Einschalten nichts abspielen</translation>
    </message>
    <message>
        <source>Input terminal block</source>
        <translation>Eingangsklemmleiste</translation>
    </message>
    <message>
        <source>The NET and Universe of the “All” row apply to all inputs.</source>
        <translation>NET und Universe der Zeile „Alle“ gelten für alle Eingänge.</translation>
    </message>
</context>
<context>
    <name>zentri::TfSetupOutput</name>
    <message>
        <source>Zentri output setup</source>
        <translation>Zentri Ausgangs-Einstellungen</translation>
    </message>
    <message>
        <source>OUT</source>
        <translation>AUSG.</translation>
    </message>
    <message>
        <source>NET</source>
        <translation>NET</translation>
    </message>
    <message>
        <source>Universe</source>
        <translation>Universe</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>PWM</source>
        <translation>PWM</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <source>Output %1 PWM mode</source>
        <translation>Ausgang %1 PWM-Betrieb</translation>
    </message>
    <message>
        <source>Output %1 test</source>
        <translation>Ausgang %1 Test</translation>
    </message>
    <message>
        <source>Output terminal block</source>
        <translation>Ausgangsklemmleiste</translation>
    </message>
    <message>
        <source>The NET and Universe of the “All” row apply to all outputs.</source>
        <translation>NET und Universe der Zeile „Alle“ gelten für alle Ausgänge.</translation>
    </message>
</context>
<context>
    <name>zentri::UdpClient</name>
    <message>
        <source>The device address is not a valid IPv4 address.</source>
        <translation>Die Geräteadresse ist keine gültige IPv4-Adresse.</translation>
    </message>
</context>
<context>
    <name>zentri::UdpListener</name>
    <message>
        <source>The socket is not open.</source>
        <translation>Der Socket ist nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>zentri::address</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address written as four decimal numbers from 0 to 255 without leading zeros (like 192.168.1.50)</source>
        <translation>„%1“ ist keine IPv4-Adresse aus vier Dezimalzahlen von 0 bis 255 ohne führende Nullen (wie 192.168.1.50)</translation>
    </message>
    <message>
        <source>%1 is the unspecified address, no device&apos;s address</source>
        <translation>%1 ist die unbestimmte Adresse, keine Geräteadresse</translation>
    </message>
    <message>
        <source>%1 is the broadcast address: it would reach every device on the network, not one</source>
        <translation>%1 ist die Broadcast-Adresse: sie erreicht jedes Gerät im Netzwerk, nicht eines</translation>
    </message>
    <message>
        <source>%1 is a multicast address: it would reach every device that listens to it, not one</source>
        <translation>%1 ist eine Multicast-Adresse: sie erreicht jedes Gerät, das auf sie hört, nicht eines</translation>
    </message>
    <message>
        <source>%1 is the broadcast address of the subnet %2/%3 on %4: it would reach every device there, not one</source>
        <translation>%1 ist die Broadcast-Adresse des Subnetzes %2/%3 an %4: sie erreicht jedes Gerät dort, nicht eines</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the prefix length after &quot;/&quot; must be a whole number from 0 to 32</source>
        <translation>„%1“: die Präfixlänge nach „/“ muss eine ganze Zahl von 0 bis 32 sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 addresses; a range may hold at most %3 (a /20)</source>
        <translation>„%1“ umfasst %2 Adressen; ein Bereich darf höchstens %3 umfassen (ein /20)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a subnet: its network address is %2/%3</source>
        <translation>„%1“ ist kein Subnetz: seine Netzadresse ist %2/%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no address that stands for one device</source>
        <translation>„%1“ enthält keine Adresse, die für ein einzelnes Gerät steht</translation>
    </message>
</context>
<context>
    <name>zentri::configfile</name>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>a whole number from 0 to %1</source>
        <translation>eine ganze Zahl von 0 bis %1</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>This is not a Zentri device configuration file</source>
        <translation>Das ist keine Konfigurationsdatei eines Zentri-Geräts</translation>
    </message>
    <message>
        <source>%1: its &quot;%2&quot; is not &quot;%3&quot;.</source>
        <translation>%1: sein „%2“ ist nicht „%3“.</translation>
    </message>
    <message>
        <source>The file lacks the field %1.</source>
        <translation>Der Datei fehlt das Feld %1.</translation>
    </message>
    <message>
        <source>The file&apos;s %1 %2 is not a format version.</source>
        <translation>%1 %2 der Datei ist keine Formatversion.</translation>
    </message>
    <message>
        <source>The file&apos;s %1 is %2, newer than this program reads (%3); nothing was loaded.</source>
        <translation>%1 der Datei ist %2, neuer als dieses Programm liest (%3); nichts wurde geladen.</translation>
    </message>
    <message>
        <source>The configuration file was refused; nothing was changed or sent. </source>
        <translation>Die Konfigurationsdatei wurde abgelehnt; nichts wurde geändert oder gesendet. </translation>
    </message>
    <message>
        <source>In it %1: it is not clear which one is meant.</source>
        <translation>Darin %1: es ist nicht klar, welcher gemeint ist.</translation>
    </message>
    <message>
        <source>It holds keys or elements that a configuration does not have: %1.</source>
        <translation>Sie enthält Schlüssel oder Elemente, die eine Konfiguration nicht hat: %1.</translation>
    </message>
    <message>
        <source>%1 (%2 is not a text)</source>
        <translation>%1 (%2 ist kein Text)</translation>
    </message>
    <message>
        <source>%1 (%2 is not %3)</source>
        <translation>%1 (%2 ist nicht %3)</translation>
    </message>
    <message>
        <source>%1 (%2 is not an object)</source>
        <translation>%1 (%2 ist kein Objekt)</translation>
    </message>
    <message>
        <source>It lacks the field %1.</source>
        <translation>Ihr fehlt das Feld %1.</translation>
    </message>
    <message>
        <source>It lacks the fields %1.</source>
        <translation>Ihr fehlen die Felder %1.</translation>
    </message>
    <message>
        <source>The device cannot take this value: %1.</source>
        <translation>Das Gerät kann diesen Wert nicht übernehmen: %1.</translation>
    </message>
    <message>
        <source>The device cannot take these values: %1.</source>
        <translation>Das Gerät kann diese Werte nicht übernehmen: %1.</translation>
    </message>
    <message>
        <source>In the windows: %1.</source>
        <translation>In den Fenstern: %1.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The file was saved from &quot;%1&quot; (%2); this device is &quot;%3&quot; (%4).</source>
        <translation>Die Datei wurde von „%1“ (%2) gespeichert; dieses Gerät ist „%3“ (%4).</translation>
    </message>
    <message>
        <source>The device already has this configuration.</source>
        <translation>Das Gerät hat diese Konfiguration schon.</translation>
    </message>
    <message>
        <source>1 setting differs:</source>
        <translation>1 Einstellung weicht ab:</translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ:</source>
        <translation>
            <numerusform>%n Einstellung weicht ab:</numerusform>
            <numerusform>%n Einstellungen weichen ab:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  ... and %n more</source>
        <translation>
            <numerusform>  ... und %n weitere</numerusform>
            <numerusform>  ... und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zentri::ctl</name>
    <message>
        <source>%1 (--force replaces it)</source>
        <translation>%1 (--force ersetzt sie)</translation>
    </message>
    <message>
        <source>discover takes no address; see zentrictl discover --help</source>
        <translation>discover nimmt keine Adresse; siehe zentrictl discover --help</translation>
    </message>
    <message>
        <source>no device answered within %1 ms</source>
        <translation>kein Gerät hat innerhalb von %1 ms geantwortet</translation>
    </message>
    <message>
        <source>not a device&apos;s IPv4 address: %1</source>
        <translation>keine IPv4-Adresse eines Geräts: %1</translation>
    </message>
    <message>
        <source>IP and FILE</source>
        <translation>IP und FILE</translation>
    </message>
    <message>
        <source>%1: configuration of &quot;%2&quot; (%3) saved to %4</source>
        <translation>%1: Konfiguration von „%2“ (%3) in %4 gespeichert</translation>
    </message>
    <message>
        <source>restore needs IP FILE pairs; see zentrictl restore --help</source>
        <translation>restore erwartet Paare aus IP und FILE; siehe zentrictl restore --help</translation>
    </message>
    <message>
        <source>%1; nothing sent to it</source>
        <translation>%1; nichts an das Gerät gesendet</translation>
    </message>
    <message>
        <source>%1: firmware %2: %3; nothing sent to it</source>
        <translation>%1: Firmware %2: %3; nichts an das Gerät gesendet</translation>
    </message>
    <message>
        <source>%1: its module is Standard, for which the windows do not offer these settings that %2 changes: %3</source>
        <translation>%1: sein Modul ist Standard, für das die Fenster diese Einstellungen nicht anbieten, die %2 ändert: %3</translation>
    </message>
    <message>
        <source>%1; nothing sent to it (--yes sends them)</source>
        <translation>%1; nichts an das Gerät gesendet (--yes sendet sie)</translation>
    </message>
    <message>
        <source>%1: the file %2 was saved from &quot;%3&quot; (%4); it goes to &quot;%5&quot; (%6)</source>
        <translation>%1: die Datei %2 wurde von „%3“ (%4) gespeichert; sie geht an „%5“ (%6)</translation>
    </message>
    <message>
        <source>%1: not sent: %2</source>
        <translation>%1: nicht gesendet: %2</translation>
    </message>
    <message>
        <source>%1: sent %2, but the device did not answer the check</source>
        <translation>%1: %2 gesendet, aber das Gerät hat auf die Prüfung nicht geantwortet</translation>
    </message>
    <message>
        <source>%1: check failed: the device does not report what was sent: %2</source>
        <translation>%1: Prüfung fehlgeschlagen: das Gerät meldet nicht, was gesendet wurde: %2</translation>
    </message>
    <message>
        <source>%1 sent %2, reported %3</source>
        <translation>%1 gesendet %2, gemeldet %3</translation>
    </message>
    <message>
        <source>%1: restored from %2 (%3 changed); the device reports the configuration sent</source>
        <translation>%1: aus %2 wiederhergestellt (%3 geändert); das Gerät meldet die gesendete Konfiguration</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 Einstellung</translation>
    </message>
    <message numerus="yes">
        <source>%n settings</source>
        <translation>
            <numerusform>%n Einstellung</numerusform>
            <numerusform>%n Einstellungen</numerusform>
        </translation>
    </message>
    <message>
        <source>one IP</source>
        <translation>genau eine IP</translation>
    </message>
    <message>
        <source>restart sent</source>
        <translation>Neustart gesendet</translation>
    </message>
    <message>
        <source>defaults erases the device&apos;s settings: add --yes to send it</source>
        <translation>defaults löscht die Einstellungen des Geräts: zum Senden --yes angeben</translation>
    </message>
    <message>
        <source>restore defaults sent</source>
        <translation>Werkseinstellungen gesendet</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 ist mehrfach angegeben</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number of %3</source>
        <translation>%1: „%2“ ist keine gültige Anzahl %3</translation>
    </message>
    <message>
        <source>milliseconds from 0 to 600000</source>
        <translation>Millisekunden von 0 bis 600000</translation>
    </message>
    <message>
        <source>%1 needs %2; see zentrictl %1 --help</source>
        <translation>%1 erwartet %2; siehe zentrictl %1 --help</translation>
    </message>
    <message>
        <source>[y/N]</source>
        <extracomment>The first letters of &quot;yes&quot; and &quot;no&quot;; the capital one, no, is what an empty answer means.</extracomment>
        <translation>[j/N]</translation>
    </message>
    <message>
        <source>y</source>
        <extracomment>The short answer &quot;yes&quot; to [y/N], in small letters.</extracomment>
        <translation>j</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>The answer &quot;yes&quot; to [y/N], in small letters.</extracomment>
        <translation>ja</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>rig needs one of capture, check, apply, replace; see zentrictl --help</source>
        <translation>rig erwartet capture, check, apply oder replace; siehe zentrictl --help</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>%1: %2; see zentrictl %1 --help</source>
        <translation>%1: %2; siehe zentrictl %1 --help</translation>
    </message>
</context>
<context>
    <name>zentri::ctl::Help</name>
    <message>
        <source>Usage: zentrictl COMMAND [ARGUMENTS] [--verbose]

Commands:
  discover [--json] [--wait MS] [--interface NAME] [--to ADDRESS]
                          find the devices on the network and list them
  backup IP FILE [--force]
                          save the device&apos;s configuration to FILE (&quot;-&quot; for standard output)
  restore IP FILE [IP FILE]... [--yes]
                          send each file&apos;s configuration to its device and check it
  restart IP              restart the device
  defaults IP --yes       restore the device&apos;s default settings
  sd IP                   tell whether the device has an SD card
  rig capture FILE        write a rig of every device that answers
  rig check FILE [--json] compare the devices that answer with the rig
  rig apply FILE [--yes] [--mac MAC]...
                          send the rig&apos;s configuration to the devices that differ (or those named)
  rig replace FILE OLD_MAC NEW_MAC [--yes]
                          give a missing device&apos;s entry, and its configuration, to a new device
  watch [--rig FILE] [--interval S] [--count N] [--json]
                          ask again every S seconds and print what changes
  patch [--rig FILE] [--json | --csv]
                          every channel in use and what uses it, and the conflicts
  status URL [--json]     the states a running zentri-watch service reports (no UDP)

&quot;zentrictl COMMAND --help&quot; tells more about each command; --version tells the version.
An IP is four decimal numbers from 0 to 255 without leading zeros, and names one device: 0.0.0.0,
broadcast addresses (255.255.255.255 and those of this PC&apos;s subnets) and multicast addresses are
refused. --verbose prints every datagram sent and received on standard error.
Exit status: 0 success, 1 a device did not answer or a check failed, 2 bad usage or a bad file,
3 the reply port 7800 is held by another program (such as the Zentri manager).
</source>
        <extracomment>zentrictl&apos;s own words stay English: the commands, the options, the arguments&apos; names in capitals (FILE, IP, MS) and the words in quotes that it prints.</extracomment>
        <translation>Aufruf: zentrictl COMMAND [ARGUMENTS] [--verbose]

Befehle:
  discover [--json] [--wait MS] [--interface NAME] [--to ADDRESS]
                          die Geräte im Netzwerk suchen und auflisten
  backup IP FILE [--force]
                          die Konfiguration des Geräts in FILE sichern („-“ für die Standardausgabe)
  restore IP FILE [IP FILE]... [--yes]
                          die Konfiguration jeder Datei an ihr Gerät senden und prüfen
  restart IP              das Gerät neu starten
  defaults IP --yes       die Werkseinstellungen des Geräts wiederherstellen
  sd IP                   sagen, ob das Gerät eine SD-Karte hat
  rig capture FILE        ein Rig aus jedem Gerät schreiben, das antwortet
  rig check FILE [--json] die antwortenden Geräte mit dem Rig vergleichen
  rig apply FILE [--yes] [--mac MAC]...
                          die Rig-Konfiguration an die abweichenden (oder genannten) Geräte senden
  rig replace FILE OLD_MAC NEW_MAC [--yes]
                          den Eintrag eines fehlenden Geräts samt Konfiguration einem neuen Gerät geben
  watch [--rig FILE] [--interval S] [--count N] [--json]
                          alle S Sekunden erneut fragen und ausgeben, was sich ändert
  patch [--rig FILE] [--json | --csv]
                          jeder belegte Kanal, was ihn belegt, und die Konflikte
  status URL [--json]     die Zustände, die ein laufender zentri-watch-Dienst meldet (ohne UDP)

„zentrictl COMMAND --help“ sagt mehr zu jedem Befehl; --version nennt die Version.
Eine IP besteht aus vier Dezimalzahlen von 0 bis 255 ohne führende Nullen und bezeichnet ein Gerät:
0.0.0.0, Broadcast-Adressen (255.255.255.255 und die der Subnetze dieses PCs) und Multicast-Adressen
werden abgelehnt. --verbose gibt jedes gesendete und empfangene Datagramm auf der
Standardfehlerausgabe aus.
Exit-Status: 0 Erfolg, 1 ein Gerät hat nicht geantwortet oder eine Prüfung ist fehlgeschlagen,
2 falscher Aufruf oder fehlerhafte Datei, 3 der Antwortport 7800 ist von einem anderen Programm
belegt (etwa vom Zentri Manager).
</translation>
    </message>
    <message>
        <source>Usage: zentrictl discover [--json] [--wait MS] [--interface NAME] [--to ADDRESS]

Broadcasts one discovery request out of every network interface that is up and can broadcast (or only
out of NAME), waits MS milliseconds (default 2000) for the answers and prints one line per device:
name, IP, MAC, firmware, module version and SD card state, separated by tabs.
  --json            print a JSON array of objects with the keys name, ip, mac, firmware, module,
                    moduleVersion and sdCard (true, false or null when the device did not say)
  --wait MS         how long to wait for answers, in milliseconds
  --interface NAME  broadcast out of this network interface only
  --to ADDRESS      send the request to ADDRESS only instead of broadcasting
  --address IP|CIDR also ask this address, or every address of this subnet (at most 4096), one by one
                    (devices behind a router); may be given more than once
Exits 1 when no device answered.</source>
        <translation>Aufruf: zentrictl discover [--json] [--wait MS] [--interface NAME] [--to ADDRESS]

Sendet eine Suchanfrage als Broadcast über jede Netzwerkschnittstelle, die aktiv ist und Broadcast
kann (oder nur über NAME), wartet MS Millisekunden (Vorgabe 2000) auf die Antworten und gibt eine
Zeile pro Gerät aus: Name, IP, MAC, Firmware, Modulversion und Zustand der SD-Karte, durch Tabulatoren
getrennt.
  --json            ein JSON-Array von Objekten mit den Schlüsseln name, ip, mac, firmware, module,
                    moduleVersion und sdCard ausgeben (true, false oder null ohne Angabe des Geräts)
  --wait MS         wie lange auf Antworten gewartet wird, in Millisekunden
  --interface NAME  nur über diese Netzwerkschnittstelle senden
  --to ADDRESS      die Anfrage nur an ADDRESS senden statt als Broadcast
  --address IP|CIDR auch diese Adresse fragen oder jede Adresse dieses Subnetzes (höchstens 4096), eine
                    nach der anderen (Geräte hinter einem Router); mehrfach angebbar
Exit-Status 1, wenn kein Gerät geantwortet hat.</translation>
    </message>
    <message>
        <source>Usage: zentrictl rig capture FILE [--name NAME] [--address IP|CIDR]... [--wait MS] [--force]

Finds the devices (broadcast, and the --address ranges one by one) and writes a new rig of every device
that answered to FILE: its name (NAME, default the file&apos;s name), the addresses, and one entry per
device with its whole configuration, as &quot;Save configuration...&quot; writes it. FILE is written whole or
not at all, only as a regular file; a read-only one only with --force. One line per device.
Exits 1 when no device answered.</source>
        <translation>Aufruf: zentrictl rig capture FILE [--name NAME] [--address IP|CIDR]... [--wait MS] [--force]

Sucht die Geräte (per Broadcast und in den --address-Bereichen eins nach dem anderen) und schreibt ein
neues Rig aus jedem Gerät, das geantwortet hat, nach FILE: seinen Namen (NAME, Vorgabe: der Name der
Datei), die Adressen und einen Eintrag pro Gerät mit seiner ganzen Konfiguration, wie „Konfiguration
speichern...“ sie schreibt. FILE wird ganz oder gar nicht geschrieben, nur als reguläre Datei; eine
schreibgeschützte nur mit --force. Eine Zeile pro Gerät.
Exit-Status 1, wenn kein Gerät geantwortet hat.</translation>
    </message>
    <message>
        <source>Usage: zentrictl rig check FILE [--json] [--wait MS]

Finds the devices (broadcast, and the rig&apos;s addresses one by one) and prints one line per device of
the rig and per device that answered, tab-separated: the state (&quot;in sync&quot;, &quot;differs&quot;, &quot;missing&quot;,
&quot;not in rig&quot;, &quot;duplicate&quot;), MAC, name, IP and, for a device that differs, every differing setting
with the rig&apos;s and the device&apos;s value. --json prints a list of objects with mac, name, ip, state and
differences (field, rig, device).
Exits 0 only when every device of the rig is in sync and no other device answered; 1 otherwise.</source>
        <translation>Aufruf: zentrictl rig check FILE [--json] [--wait MS]

Sucht die Geräte (per Broadcast und an den Adressen des Rigs eins nach dem anderen) und gibt eine Zeile
pro Gerät des Rigs und pro antwortendem Gerät aus, durch Tabulatoren getrennt: den Zustand („in sync“,
„differs“, „missing“, „not in rig“, „duplicate“), MAC, Name, IP und bei einem abweichenden Gerät jede
abweichende Einstellung mit dem Wert des Rigs und dem des Geräts. --json gibt eine Liste von Objekten
mit mac, name, ip, state und differences (field, rig, device) aus.
Exit-Status 0 nur, wenn jedes Gerät des Rigs synchron ist und kein anderes Gerät geantwortet hat;
sonst 1.</translation>
    </message>
    <message>
        <source>Usage: zentrictl rig apply FILE [--mac MAC]... [--yes] [--wait MS]

Sends the rig&apos;s configuration to every device that differs (or to the devices named by --mac) as
&quot;Save &amp; Close&quot; would, each keeping its own module version, after listing each device and the
settings it changes; then asks each device again and prints &quot;confirmed&quot; or &quot;not confirmed&quot; for it.
Nothing is sent without --yes or a yes typed on the terminal; without a terminal and --yes it exits 2.
Exits 0 when every device sent to confirmed; 1 otherwise.</source>
        <translation>Aufruf: zentrictl rig apply FILE [--mac MAC]... [--yes] [--wait MS]

Sendet die Konfiguration des Rigs an jedes abweichende Gerät (oder an die mit --mac genannten), wie
„Speichern &amp; schließen“ es täte, wobei jedes seine eigene Modulversion behält, nachdem es jedes Gerät
und die Einstellungen, die sich ändern, aufgelistet hat; dann fragt es jedes Gerät erneut und gibt
dafür „confirmed“ oder „not confirmed“ aus.
Ohne --yes oder ein im Terminal eingegebenes Ja wird nichts gesendet; ohne Terminal und ohne --yes
endet es mit Status 2.
Exit-Status 0, wenn jedes Gerät, an das gesendet wurde, bestätigt hat; sonst 1.</translation>
    </message>
    <message>
        <source>Usage: zentrictl rig replace FILE OLD_MAC NEW_MAC [--yes] [--wait MS]

For a box swapped after a fault: OLD_MAC must be in the rig and missing, NEW_MAC must answer and not be
in the rig. Sends OLD_MAC&apos;s entry to the new device, asks it again, and once it reports the
configuration writes FILE with the entry&apos;s MAC changed to NEW_MAC (its name stays).
Nothing is sent without --yes or a yes typed on the terminal.
Exits 0 when the new device confirmed; 1 otherwise.</source>
        <translation>Aufruf: zentrictl rig replace FILE OLD_MAC NEW_MAC [--yes] [--wait MS]

Für ein nach einem Defekt getauschtes Gerät: OLD_MAC muss im Rig stehen und fehlen, NEW_MAC muss
antworten und darf nicht im Rig stehen. Sendet den Eintrag von OLD_MAC an das neue Gerät, fragt es
erneut und schreibt, sobald es die Konfiguration meldet, FILE mit der MAC des Eintrags auf NEW_MAC
geändert (sein Name bleibt).
Ohne --yes oder ein im Terminal eingegebenes Ja wird nichts gesendet.
Exit-Status 0, wenn das neue Gerät bestätigt hat; sonst 1.</translation>
    </message>
    <message>
        <source>Usage: zentrictl patch [--rig FILE] [--json | --csv] [--wait MS]

The patch of the devices found (or of the rig&apos;s entries, with --rig, without any network): one line per
channel in use, tab-separated: NET, universe, channel (0 for the DMX output, which takes the whole
universe), what uses it (&quot;Output 3 (PWM)&quot;, &quot;Audio player volume&quot;, &quot;DMX output&quot;, &quot;Trigger 2 to
ADDRESS&quot;), the device&apos;s name, MAC and IP and the input source it follows; then one line per conflict,
starting with &quot;error&quot; or &quot;warning&quot;, with its reason and devices. --json prints an object with uses
(net, universe, channel, element, device) and conflicts (level, reason, devices, elements); --csv the
uses as CSV.
Exits 1 when there is an error-level conflict.</source>
        <translation>Aufruf: zentrictl patch [--rig FILE] [--json | --csv] [--wait MS]

Der Patch der gefundenen Geräte (oder der Einträge des Rigs, mit --rig, ganz ohne Netzwerk): eine Zeile
pro belegtem Kanal, durch Tabulatoren getrennt: NET, Universe, Kanal (0 für den DMX-Ausgang, der das
ganze Universe belegt), was ihn belegt („Output 3 (PWM)“, „Audio player volume“, „DMX output“,
„Trigger 2 to ADDRESS“), Name, MAC und IP des Geräts und die Eingangsquelle, der es folgt; dann eine
Zeile pro Konflikt, beginnend mit „error“ oder „warning“, mit Grund und Geräten. --json gibt ein
Objekt mit uses (net, universe, channel, element, device) und conflicts (level, reason, devices,
elements) aus; --csv die Belegungen als CSV.
Exit-Status 1, wenn es einen Konflikt der Stufe „error“ gibt.</translation>
    </message>
    <message>
        <source>Usage: zentrictl watch [--rig FILE] [--address IP|CIDR]... [--interval S] [--count N] [--json]

Repeats the discovery every S seconds (default 3, 1 to 60), with the SD card query to each device
that answers, and prints one line per event as it happens: &quot;new&quot;, &quot;offline&quot; (no answer to the last
3 polls), &quot;back online&quot;, &quot;changed&quot; (with the settings changed elsewhere), &quot;SD card removed&quot;, &quot;SD card
inserted&quot;, then the MAC, name, IP, details and time. After N polls (default: until interrupted) it
prints one line per device: &quot;online&quot;, &quot;missed&quot; or &quot;offline&quot;, and when it was last seen. --json prints
one object per line (time, event, mac, name, ip, detail; at the end mac, name, ip, state, lastSeen).
With --count, exits 0 when every device of the rig (every device, without --rig) is online at the
end; 1 otherwise.</source>
        <translation>Aufruf: zentrictl watch [--rig FILE] [--address IP|CIDR]... [--interval S] [--count N] [--json]

Wiederholt die Suche alle S Sekunden (Vorgabe 3, 1 bis 60), mit der Abfrage der SD-Karte bei jedem
antwortenden Gerät, und gibt eine Zeile pro Ereignis aus, sobald es eintritt: „new“, „offline“ (keine
Antwort auf die letzten 3 Abfragen), „back online“, „changed“ (mit den anderswo geänderten
Einstellungen), „SD card removed“, „SD card inserted“, dann MAC, Name, IP, Einzelheiten und Zeit.
Nach N Abfragen (Vorgabe: bis zum Abbruch) gibt es eine Zeile pro Gerät aus: „online“, „missed“ oder
„offline“ und wann es zuletzt gesehen wurde. --json gibt ein Objekt pro Zeile aus (time, event, mac,
name, ip, detail; am Ende mac, name, ip, state, lastSeen).
Mit --count Exit-Status 0, wenn jedes Gerät des Rigs (ohne --rig: jedes Gerät) am Ende online ist;
sonst 1.</translation>
    </message>
    <message>
        <source>Usage: zentrictl backup IP FILE [--wait MS] [--force]

Asks the device at IP for its configuration and writes it, with its name, MAC, firmware and module
version, to FILE (JSON, the format the manager&apos;s &quot;Save configuration...&quot; writes), or to standard
output when FILE is &quot;-&quot;. FILE is written whole or not at all; only a regular file is replaced, and
a read-only one only with --force.
Exits 1 when the device did not answer within MS milliseconds (default 2000), 2 when FILE cannot be
written.</source>
        <translation>Aufruf: zentrictl backup IP FILE [--wait MS] [--force]

Fragt das Gerät unter IP nach seiner Konfiguration und schreibt sie mit Name, MAC, Firmware und
Modulversion nach FILE (JSON, das Format, das „Konfiguration speichern...“ des Managers schreibt)
oder auf die Standardausgabe, wenn FILE „-“ ist. FILE wird ganz oder gar nicht geschrieben; ersetzt
wird nur eine reguläre Datei, eine schreibgeschützte nur mit --force.
Exit-Status 1, wenn das Gerät nicht innerhalb von MS Millisekunden (Vorgabe 2000) geantwortet hat,
2, wenn FILE nicht geschrieben werden kann.</translation>
    </message>
    <message>
        <source>Usage: zentrictl restore IP FILE [IP FILE]... [--wait MS] [--yes]

Reads every FILE first (a file larger than 1 MiB, that is not a configuration, lacks a field, holds
a key twice or a key a configuration does not have, or holds a value the device cannot take stops
everything before anything is sent), then for each device: asks for its current configuration,
sends it the file&apos;s configuration (&quot;!SETI&quot;; the device keeps its own module version) and checks by a
new discovery request that the device reports what was sent. A file saved from another device is
named on one line. A device whose firmware the manager refuses gets nothing. For a device with a
Standard module, a file that changes settings the windows do not offer for it (Art-Net NET and
Universe, PWM, the DMX output) is sent only with --yes.
Exits 1 when a device did not answer, has too old a firmware or does not report what was sent, 2 for
a bad file or settings not confirmed with --yes.</source>
        <translation>Aufruf: zentrictl restore IP FILE [IP FILE]... [--wait MS] [--yes]

Liest zuerst jede Datei FILE (eine Datei über 1 MiB, die keine Konfiguration ist, der ein Feld fehlt,
die einen Schlüssel doppelt oder einen Schlüssel enthält, den eine Konfiguration nicht hat, oder die
einen Wert enthält, den das Gerät nicht annehmen kann, hält alles an, bevor etwas gesendet wird), dann
für jedes Gerät: fragt nach seiner aktuellen Konfiguration, sendet ihm die Konfiguration der Datei
(„!SETI“; das Gerät behält seine eigene Modulversion) und prüft mit einer neuen Suchanfrage, dass das
Gerät meldet, was gesendet wurde. Eine Datei, die von einem anderen Gerät gespeichert wurde, wird in
einer Zeile genannt. Ein Gerät, dessen Firmware der Manager ablehnt, bekommt nichts. Bei einem Gerät
mit Standard-Modul wird eine Datei, die Einstellungen ändert, die die Fenster dafür nicht anbieten
(Art-Net NET und Universe, PWM, der DMX-Ausgang), nur mit --yes gesendet.
Exit-Status 1, wenn ein Gerät nicht geantwortet hat, eine zu alte Firmware hat oder nicht meldet, was
gesendet wurde, 2 bei einer fehlerhaften Datei oder bei Einstellungen, die nicht mit --yes bestätigt
wurden.</translation>
    </message>
    <message>
        <source>Usage: zentrictl restart IP

Sends the restart command; the device restarts as at power-on. The device does not answer it.</source>
        <translation>Aufruf: zentrictl restart IP

Sendet den Neustart-Befehl; das Gerät startet neu wie beim Einschalten. Das Gerät antwortet nicht
darauf.</translation>
    </message>
    <message>
        <source>Usage: zentrictl defaults IP --yes

Sends the restore defaults command: the device returns all its settings to their defaults. Nothing
is sent without --yes. The device does not answer it.</source>
        <translation>Aufruf: zentrictl defaults IP --yes

Sendet den Befehl zum Wiederherstellen der Werkseinstellungen: das Gerät setzt alle seine
Einstellungen auf die Vorgaben zurück. Ohne --yes wird nichts gesendet. Das Gerät antwortet nicht
darauf.</translation>
    </message>
    <message>
        <source>Usage: zentrictl status URL [--json] [--wait MS]

Reads a running zentri-watch service&apos;s /api/status (URL such as http://127.0.0.1:7880) and prints the
lines &quot;rig check&quot; prints: the state, MAC, name, IP and differences of every device, tab-separated.
It sends nothing to a device and needs no UDP port, so it runs beside the service. --json prints the
service&apos;s device objects (mac, name, ip, state, watch, last_seen, sd_card, differences). --wait is
how long to wait for the service (default 2000 ms).
Exits 0 when every device is in sync and the service&apos;s rig file was read; 1 otherwise or when the
service does not answer; 2 for a bad URL.</source>
        <translation>Aufruf: zentrictl status URL [--json] [--wait MS]

Liest /api/status eines laufenden zentri-watch-Dienstes (URL wie http://127.0.0.1:7880) und gibt die
Zeilen aus, die „rig check“ ausgibt: Zustand, MAC, Name, IP und Abweichungen jedes Geräts, durch
Tabulatoren getrennt. Es sendet nichts an ein Gerät und braucht keinen UDP-Port, läuft also neben dem
Dienst. --json gibt die Geräteobjekte des Dienstes aus (mac, name, ip, state, watch, last_seen,
sd_card, differences). --wait ist, wie lange auf den Dienst gewartet wird (Vorgabe 2000 ms).
Exit-Status 0, wenn jedes Gerät synchron ist und die Rig-Datei des Dienstes gelesen wurde; 1 sonst
oder wenn der Dienst nicht antwortet; 2 bei einer fehlerhaften URL.</translation>
    </message>
    <message>
        <source>Usage: zentrictl sd IP [--wait MS]

Asks the device whether a memory card is in its slot and prints &quot;SD CARD OK&quot; or &quot;NO SD CARD&quot;.
Exits 1 when the device did not answer within MS milliseconds (default 2000).</source>
        <translation>Aufruf: zentrictl sd IP [--wait MS]

Fragt das Gerät, ob eine Speicherkarte in seinem Steckplatz steckt, und gibt „SD CARD OK“ oder
„NO SD CARD“ aus.
Exit-Status 1, wenn das Gerät nicht innerhalb von MS Millisekunden (Vorgabe 2000) geantwortet hat.</translation>
    </message>
</context>
<context>
    <name>zentri::ctl::Rig</name>
    <message>
        <source>&quot;%1&quot; is not a MAC like 02:5A:45:00:00:01</source>
        <translation>„%1“ ist keine MAC wie 02:5A:45:00:00:01</translation>
    </message>
    <message>
        <source>address %1</source>
        <translation>Adresse %1</translation>
    </message>
    <message>
        <source>nothing sent: add --yes, or answer yes on a terminal</source>
        <translation>nichts gesendet: --yes angeben oder im Terminal mit ja antworten</translation>
    </message>
    <message>
        <source>no device answered within %1 ms; no rig written</source>
        <translation>kein Gerät hat innerhalb von %1 ms geantwortet; kein Rig geschrieben</translation>
    </message>
    <message>
        <source>--mac: %1 is not in the rig</source>
        <translation>--mac: %1 ist nicht im Rig</translation>
    </message>
    <message>
        <source>nothing to send: every device chosen is in sync</source>
        <translation>nichts zu senden: jedes gewählte Gerät ist synchron</translation>
    </message>
    <message numerus="yes">
        <source>Send the rig&apos;s configuration to %n device(s)?</source>
        <translation>
            <numerusform>Die Rig-Konfiguration an %n Gerät senden?</numerusform>
            <numerusform>Die Rig-Konfiguration an %n Geräte senden?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not in the rig</source>
        <translation>%1 ist nicht im Rig</translation>
    </message>
    <message>
        <source>%1 is in the rig already</source>
        <translation>%1 ist schon im Rig</translation>
    </message>
    <message>
        <source>%1; nothing sent</source>
        <translation>%1; nichts gesendet</translation>
    </message>
    <message>
        <source>%1: %2; nothing sent</source>
        <translation>%1: %2; nichts gesendet</translation>
    </message>
    <message>
        <source>Send %1&apos;s configuration to %2?</source>
        <translation>Die Konfiguration von %1 an %2 senden?</translation>
    </message>
    <message>
        <source>%1 was not changed</source>
        <translation>%1 wurde nicht geändert</translation>
    </message>
    <message>
        <source>seconds from %1 to %2</source>
        <translation>Sekunden von %1 bis %2</translation>
    </message>
    <message>
        <source>polls</source>
        <translation>Abfragen</translation>
    </message>
    <message>
        <source>watch takes no plain argument; see zentrictl watch --help</source>
        <translation>watch nimmt keine Argumente ohne Option; siehe zentrictl watch --help</translation>
    </message>
    <message>
        <source>--json and --csv cannot go together</source>
        <translation>--json und --csv gehen nicht zusammen</translation>
    </message>
    <message>
        <source>patch takes no plain argument; see zentrictl patch --help</source>
        <translation>patch nimmt keine Argumente ohne Option; siehe zentrictl patch --help</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a URL like http://127.0.0.1:7880</source>
        <translation>„%1“ ist keine URL wie http://127.0.0.1:7880</translation>
    </message>
    <message>
        <source>%1: not the status of a zentri-watch service</source>
        <translation>%1: kein Status eines zentri-watch-Dienstes</translation>
    </message>
    <message>
        <source>the service&apos;s rig file was refused: %1 (the last good rig is watched)</source>
        <translation>die Rig-Datei des Dienstes wurde abgelehnt: %1 (das letzte gültige Rig wird überwacht)</translation>
    </message>
</context>
<context>
    <name>zentri::ctl::Session</name>
    <message>
        <source>%1 did not answer</source>
        <translation>%1 hat nicht geantwortet</translation>
    </message>
    <message>
        <source>cannot receive replies on UDP port %1: %2</source>
        <translation>Antworten auf UDP-Port %1 können nicht empfangen werden: %2</translation>
    </message>
    <message>
        <source>cannot receive replies on UDP port %1: %2 (is the Zentri manager running?)</source>
        <translation>Antworten auf UDP-Port %1 können nicht empfangen werden: %2 (läuft der Zentri Manager?)</translation>
    </message>
    <message>
        <source>discovery request not sent: %1</source>
        <translation>Suchanfrage nicht gesendet: %1</translation>
    </message>
</context>
<context>
    <name>zentri::discovery</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: no such network interface that is up and can broadcast</source>
        <translation>%1: keine solche Netzwerkschnittstelle, die aktiv ist und Broadcasts senden kann</translation>
    </message>
    <message>
        <source>no network interface is up and can broadcast</source>
        <translation>keine Netzwerkschnittstelle ist aktiv und kann Broadcasts senden</translation>
    </message>
</context>
<context>
    <name>zentri::fields</name>
    <message>
        <source>Trigger destination IP</source>
        <translation>Ziel-IP der Auslöser</translation>
    </message>
    <message>
        <source>Trigger %1 Art-Net NET</source>
        <translation>Auslöser %1 Art-Net-NET</translation>
    </message>
    <message>
        <source>Trigger %1 Art-Net universe</source>
        <translation>Auslöser %1 Art-Net-Universe</translation>
    </message>
    <message>
        <source>Trigger %1 channel</source>
        <translation>Auslöser %1 Kanal</translation>
    </message>
    <message>
        <source>Trigger %1 function</source>
        <translation>Auslöser %1 Funktion</translation>
    </message>
    <message>
        <source>Trigger %1 catalog</source>
        <translation>Auslöser %1 Katalog</translation>
    </message>
    <message>
        <source>Trigger %1 file</source>
        <translation>Auslöser %1 Datei</translation>
    </message>
    <message>
        <source>Trigger %1 volume</source>
        <translation>Auslöser %1 Lautstärke</translation>
    </message>
    <message>
        <source>Play button interrupts the trigger</source>
        <translation>Play-Taste unterbricht den Auslöser</translation>
    </message>
    <message>
        <source>Output %1 Art-Net NET</source>
        <translation>Ausgang %1 Art-Net-NET</translation>
    </message>
    <message>
        <source>Output %1 Art-Net universe</source>
        <translation>Ausgang %1 Art-Net-Universe</translation>
    </message>
    <message>
        <source>Output %1 channel</source>
        <translation>Ausgang %1 Kanal</translation>
    </message>
    <message>
        <source>Output %1 PWM</source>
        <translation>Ausgang %1 PWM</translation>
    </message>
    <message>
        <source>Audio player Art-Net NET</source>
        <translation>Audioplayer Art-Net-NET</translation>
    </message>
    <message>
        <source>Audio player Art-Net universe</source>
        <translation>Audioplayer Art-Net-Universe</translation>
    </message>
    <message>
        <source>Audio player catalog channel</source>
        <translation>Audioplayer Katalogkanal</translation>
    </message>
    <message>
        <source>Audio player file channel</source>
        <translation>Audioplayer Dateikanal</translation>
    </message>
    <message>
        <source>Audio player volume channel</source>
        <translation>Audioplayer Lautstärkekanal</translation>
    </message>
    <message>
        <source>Audio player state channel</source>
        <translation>Audioplayer Zustandskanal</translation>
    </message>
    <message>
        <source>Audio player bass channel</source>
        <translation>Audioplayer Basskanal</translation>
    </message>
    <message>
        <source>Audio player treble channel</source>
        <translation>Audioplayer Höhenkanal</translation>
    </message>
    <message>
        <source>Audio player play loop</source>
        <translation>Audioplayer endlos abspielen</translation>
    </message>
    <message>
        <source>Input source</source>
        <translation>Eingangsquelle</translation>
    </message>
    <message>
        <source>Trigger destination IP byte %1</source>
        <translation>Ziel-IP der Auslöser, Byte %1</translation>
    </message>
    <message>
        <source>DMX output Art-Net NET</source>
        <translation>DMX-Ausgang Art-Net-NET</translation>
    </message>
    <message>
        <source>DMX output Art-Net universe</source>
        <translation>DMX-Ausgang Art-Net-Universe</translation>
    </message>
    <message>
        <source>Module version</source>
        <translation>Modulversion</translation>
    </message>
    <message>
        <source>Master volume</source>
        <translation>Gesamtlautstärke</translation>
    </message>
    <message>
        <source>Play after power-on</source>
        <translation>Abspielen nach dem Einschalten</translation>
    </message>
    <message>
        <source>Blackout at the end of the show</source>
        <translation>Blackout am Ende der Show</translation>
    </message>
</context>
<context>
    <name>zentri::files</name>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>cannot read %1: no such file</source>
        <translation>%1 kann nicht gelesen werden: keine solche Datei</translation>
    </message>
    <message>
        <source>cannot read %1: it is not a regular file</source>
        <translation>%1 kann nicht gelesen werden: keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 such a file may have; nothing was read</source>
        <translation>%1 ist größer als die %2, die eine solche Datei haben darf; nichts wurde gelesen</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: it is not a regular file</source>
        <translation>%1 kann nicht geschrieben werden: keine reguläre Datei</translation>
    </message>
    <message>
        <source>cannot write %1: the file is read-only</source>
        <translation>%1 kann nicht geschrieben werden: die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>zentri::portholder</name>
    <message>
        <source>held by the zentri-watch service; stop it with: systemctl stop zentri-watch</source>
        <translation>vom Dienst zentri-watch belegt; beenden mit: systemctl stop zentri-watch</translation>
    </message>
</context>
<context>
    <name>zentri::rig::Confirmation</name>
    <message>
        <source>%1 sent %2, reported %3</source>
        <translation>%1 gesendet %2, gemeldet %3</translation>
    </message>
    <message>
        <source>it reports other settings: %1</source>
        <translation>es meldet andere Einstellungen: %1</translation>
    </message>
    <message>
        <source>it did not answer</source>
        <translation>es hat nicht geantwortet</translation>
    </message>
</context>
<context>
    <name>zentri::rig::Document</name>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>added to the rig</source>
        <translation>zum Rig hinzugefügt</translation>
    </message>
    <message>
        <source>The rig entry of %1 was not changed.</source>
        <translation>Der Rig-Eintrag von %1 wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The rig entry &quot;%1&quot; is now the device %2 (was %3); save the rig to keep it.</source>
        <translation>Der Rig-Eintrag „%1“ ist jetzt das Gerät %2 (war %3); das Rig speichern, um es zu behalten.</translation>
    </message>
    <message>
        <source>The rig&apos;s entries took the new addresses (%1); save the rig to keep them.</source>
        <translation>Die Rig-Einträge haben die neuen Adressen übernommen (%1); das Rig speichern, um sie zu behalten.</translation>
    </message>
</context>
<context>
    <name>zentri::rig::Engine</name>
    <message>
        <source>not sent</source>
        <translation>nicht gesendet</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>gesendet</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>bestätigt</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>nicht bestätigt</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>ersetzt</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>für %1</translation>
    </message>
</context>
<context>
    <name>zentri::rig::File</name>
    <message>
        <source>The rig file was refused; nothing was changed or sent: %1.</source>
        <translation>Die Rig-Datei wurde abgelehnt; nichts wurde geändert oder gesendet: %1.</translation>
    </message>
    <message>
        <source>it is not a Zentri rig: %1</source>
        <translation>es ist kein Zentri-Rig: %1</translation>
    </message>
    <message>
        <source>it is not a Zentri rig: its &quot;%1&quot; is not &quot;%2&quot;</source>
        <translation>es ist kein Zentri-Rig: sein „%1“ ist nicht „%2“</translation>
    </message>
    <message>
        <source>its %1 is missing or not a format version</source>
        <translation>sein %1 fehlt oder ist keine Formatversion</translation>
    </message>
    <message>
        <source>its %1 is %2, newer than this program reads (%3)</source>
        <translation>sein %1 ist %2, neuer als dieses Programm liest (%3)</translation>
    </message>
    <message>
        <source>it holds the key &quot;%1&quot;, which a rig does not have</source>
        <translation>es enthält den Schlüssel „%1“, den ein Rig nicht hat</translation>
    </message>
    <message>
        <source>it lacks the field %1</source>
        <translation>ihm fehlt das Feld %1</translation>
    </message>
    <message>
        <source>its %1 is not a text</source>
        <translation>sein %1 ist kein Text</translation>
    </message>
    <message>
        <source>its %1 is not a list</source>
        <translation>sein %1 ist keine Liste</translation>
    </message>
    <message>
        <source>an element of %1 is not a text</source>
        <translation>ein Element von %1 ist kein Text</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>devices[%1]</source>
        <translation>devices[%1]</translation>
    </message>
    <message>
        <source>%1 is not an object</source>
        <translation>%1 ist kein Objekt</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a MAC like 02:5A:45:00:00:01</source>
        <translation>%1: „%2“ ist keine MAC wie 02:5A:45:00:00:01</translation>
    </message>
    <message>
        <source>%1: the MAC %2 stands in an earlier entry too</source>
        <translation>%1: die MAC %2 steht auch in einem früheren Eintrag</translation>
    </message>
</context>
<context>
    <name>zentri::rig::Patch</name>
    <message>
        <source>Output %1 (PWM)</source>
        <translation>Ausgang %1 (PWM)</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <source>Audio player %1</source>
        <translation>Audioplayer %1</translation>
    </message>
    <message>
        <source>DMX output (whole universe)</source>
        <translation>DMX-Ausgang (ganzes Universe)</translation>
    </message>
    <message>
        <source>Trigger %1 to %2</source>
        <translation>Auslöser %1 an %2</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Art-Net</source>
        <translation>Art-Net</translation>
    </message>
    <message>
        <source>DMX</source>
        <translation>DMX</translation>
    </message>
    <message>
        <source>The address %1 answers with %2 MACs (%3): commands sent to it reach a device nobody can tell apart.</source>
        <translation>Die Adresse %1 antwortet mit %2 MACs (%3): Befehle an sie erreichen ein Gerät, das niemand unterscheiden kann.</translation>
    </message>
    <message>
        <source>The MAC %1 stands on %2 devices: they cannot be told apart in a rig.</source>
        <translation>Die MAC %1 steht auf %2 Geräten: sie sind in einem Rig nicht zu unterscheiden.</translation>
    </message>
    <message>
        <source>%1 is patched to channel %2, outside 1..512: it follows nothing a desk sends.</source>
        <translation>%1 ist auf Kanal %2 gepatcht, außerhalb 1..512: es folgt nichts, was ein Pult sendet.</translation>
    </message>
    <message>
        <source>%1 triggers send to %2 on NET %3, universe %4, channel %5: each overwrites the other&apos;s value.</source>
        <translation>%1 Auslöser senden an %2 auf NET %3, Universe %4, Kanal %5: jeder überschreibt den Wert des anderen.</translation>
    </message>
    <message>
        <source>%1 audio player functions of one device follow channel %2: one value drives them all.</source>
        <translation>%1 Audioplayer-Funktionen eines Geräts folgen Kanal %2: ein Wert steuert sie alle.</translation>
    </message>
    <message>
        <source>An output and an audio player function of one device follow channel %1: the audio player changes whenever the output does.</source>
        <translation>Ein Ausgang und eine Audioplayer-Funktion eines Geräts folgen Kanal %1: der Audioplayer ändert sich, wann immer der Ausgang es tut.</translation>
    </message>
    <message>
        <source>%1 sends to 0.0.0.0: its trigger reaches nobody.</source>
        <translation>%1 sendet an 0.0.0.0: sein Auslöser erreicht niemanden.</translation>
    </message>
    <message>
        <source>%1 sends to %2, outside every subnet of this PC: check that it is reachable.</source>
        <translation>%1 sendet an %2, außerhalb jedes Subnetzes dieses PCs: prüfen, ob es erreichbar ist.</translation>
    </message>
    <message>
        <source>%1 devices are named &quot;%2&quot;: people will mistake one for another.</source>
        <translation>%1 Geräte heißen „%2“: man wird sie verwechseln.</translation>
    </message>
    <message>
        <source>The rig runs %1 firmware versions (%2): devices may behave differently.</source>
        <translation>Im Rig laufen %1 Firmware-Versionen (%2): Geräte können sich unterschiedlich verhalten.</translation>
    </message>
    <message>
        <source>Start at a channel of 1..512, with at least one channel per device.</source>
        <translation>Bei einem Kanal von 1..512 beginnen, mit mindestens einem Kanal je Gerät.</translation>
    </message>
    <message>
        <source>%1 (%2) would take channels %3 to %4, past channel 512: nothing is readdressed. Start lower, or give fewer channels per device.</source>
        <translation>%1 (%2) bekäme die Kanäle %3 bis %4, über Kanal 512 hinaus: nichts wird neu adressiert. Niedriger beginnen oder weniger Kanäle je Gerät geben.</translation>
    </message>
    <message>
        <source>%1 (%2) has a Standard module, whose Art-Net NET and universe cannot be changed (%3): nothing is readdressed. Start in its own NET and universe.</source>
        <translation>%1 (%2) hat ein Standard-Modul, dessen Art-Net-NET und -Universe sich nicht ändern lassen (%3): nichts wird neu adressiert. In seinem eigenen NET und Universe beginnen.</translation>
    </message>
</context>
<context>
    <name>zentri::rig::Plan</name>
    <message>
        <source>firmware %1: %2</source>
        <translation>Firmware %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) change</source>
        <translation>
            <numerusform>%n Einstellung ändert sich</numerusform>
            <numerusform>%n Einstellungen ändern sich</numerusform>
        </translation>
    </message>
    <message>
        <source> (%1 of them not offered by the windows for its Standard module)</source>
        <translation> (%1 davon bieten die Fenster für sein Standard-Modul nicht an)</translation>
    </message>
    <message>
        <source>not in the rig</source>
        <translation>nicht im Rig</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>%1 is not in the rig</source>
        <translation>%1 ist nicht im Rig</translation>
    </message>
    <message>
        <source>%1 is in the rig already</source>
        <translation>%1 ist schon im Rig</translation>
    </message>
    <message>
        <source>%1 (%2) answered: it is %3, not missing</source>
        <translation>%1 (%2) hat geantwortet: es ist %3, fehlt nicht</translation>
    </message>
    <message>
        <source>%1 did not answer</source>
        <translation>%1 hat nicht geantwortet</translation>
    </message>
    <message>
        <source>%1 is %2 (%3)</source>
        <translation>%1 ist %2 (%3)</translation>
    </message>
    <message>
        <source>The rig&apos;s entries cannot take these addresses: %1</source>
        <translation>Die Rig-Einträge können diese Adressen nicht übernehmen: %1</translation>
    </message>
</context>
<context>
    <name>zentri::rig::Report</name>
    <message>
        <source>Written %1</source>
        <translation>Erstellt %1</translation>
    </message>
    <message>
        <source>Devices: %1. Uses: %2. Errors: %3. Warnings: %4.</source>
        <translation>Geräte: %1. Belegungen: %2. Fehler: %3. Warnungen: %4.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>SD card</source>
        <translation>SD-Karte</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>found</source>
        <translation>gefunden</translation>
    </message>
    <message>
        <source>Conflicts</source>
        <translation>Konflikte</translation>
    </message>
    <message>
        <source>None: every use is sound.</source>
        <translation>Keine: jede Belegung ist in Ordnung.</translation>
    </message>
    <message>
        <source>Devices: %1</source>
        <translation>Geräte: %1</translation>
    </message>
    <message>
        <source>Elements: %1</source>
        <translation>Elemente: %1</translation>
    </message>
    <message>
        <source>Patch</source>
        <translation>Patch</translation>
    </message>
    <message>
        <source>NET</source>
        <translation>NET</translation>
    </message>
    <message>
        <source>Universe</source>
        <translation>Universe</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
</context>
<context>
    <name>zentri::rig::States</name>
    <message>
        <source>in sync</source>
        <translation>synchron</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>not in rig</source>
        <translation>nicht im Rig</translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation>doppelt</translation>
    </message>
    <message>
        <source>present</source>
        <translation>vorhanden</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>nicht gefragt</translation>
    </message>
    <message>
        <source>%1: rig %2, device %3</source>
        <translation>%1: Rig %2, Gerät %3</translation>
    </message>
    <message>
        <source>%1 answers from %2: one device reached twice</source>
        <translation>%1 antwortet von %2: ein Gerät doppelt erreicht</translation>
    </message>
    <message>
        <source>answers from %1: two or more devices with one MAC</source>
        <translation>Antworten von %1: zwei oder mehr Geräte mit einer MAC</translation>
    </message>
</context>
<context>
    <name>zentri::rig::Watch</name>
    <message>
        <source>online</source>
        <translation>online</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>verpasst</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>back online</source>
        <translation>wieder online</translation>
    </message>
    <message>
        <source>SD card inserted</source>
        <translation>SD-Karte eingesteckt</translation>
    </message>
    <message>
        <source>SD card removed</source>
        <translation>SD-Karte entfernt</translation>
    </message>
</context>
<context>
    <name>zentri::setup::ConfigWindow</name>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Speichern &amp;&amp; schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>zentri::setup::PatchRows</name>
    <message>
        <source>%1 NET</source>
        <translation>%1 NET</translation>
    </message>
    <message>
        <source>%1 Universe</source>
        <translation>%1 Universe</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 Kanal</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
</context>
<context>
    <name>zentri::strictjson</name>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>ein Text</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>null</source>
        <translation>null</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>something else</source>
        <translation>etwas anderes</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is given twice at the top level</source>
        <translation>der Schlüssel „%1“ steht zweimal auf der obersten Ebene</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is given twice in %2</source>
        <translation>der Schlüssel „%1“ steht zweimal in %2</translation>
    </message>
    <message>
        <source>it holds %1, not a JSON object</source>
        <translation>sie enthält %1, kein JSON-Objekt</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at byte %2)</source>
        <translation>das ist kein JSON (%1 bei Byte %2)</translation>
    </message>
    <message>
        <source>it holds a list, not a JSON object</source>
        <translation>sie enthält eine Liste, kein JSON-Objekt</translation>
    </message>
</context>
<context>
    <name>zentri::udp</name>
    <message>
        <source>Sending to %1 is not allowed.</source>
        <translation>Senden an %1 ist nicht erlaubt.</translation>
    </message>
    <message>
        <source>The socket is not open.</source>
        <translation>Der Socket ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The address is not an IPv4 address.</source>
        <translation>Die Adresse ist keine IPv4-Adresse.</translation>
    </message>
    <message>
        <source>The bound address is already in use</source>
        <translation>Die gebundene Adresse wird schon verwendet</translation>
    </message>
    <message>
        <source>The address is protected</source>
        <translation>Die Adresse ist geschützt</translation>
    </message>
    <message>
        <source>The address is not available</source>
        <translation>Die Adresse ist nicht verfügbar</translation>
    </message>
    <message>
        <source>Network unreachable</source>
        <translation>Netzwerk nicht erreichbar</translation>
    </message>
</context>
<context>
    <name>zentri::ui</name>
    <message>
        <source>Zentri manager</source>
        <translation>Zentri Manager</translation>
    </message>
</context>
<context>
    <name>zentri::wire</name>
    <message>
        <source>not recognized</source>
        <translation>nicht erkannt</translation>
    </message>
</context>
</TS>
