<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>main</name>
    <message>
        <source>Finds Zentri show controllers on the network and configures them.</source>
        <translation>Wyszukuje sterowniki pokazów Zentri w sieci i konfiguruje je.</translation>
    </message>
    <message>
        <source>Opens the rig FILE and shows it at start.</source>
        <translation>Przy starcie otwiera rig z pliku FILE i pokazuje go.</translation>
    </message>
</context>
<context>
    <name>zentri::DeviceTable</name>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
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
        <translation>Wersja modułu</translation>
    </message>
</context>
<context>
    <name>zentri::EventList</name>
    <message>
        <source>Events</source>
        <translation>Zdarzenia</translation>
    </message>
    <message>
        <source>Save events</source>
        <translation>Zapisz zdarzenia</translation>
    </message>
    <message>
        <source>Text (*.txt);;All files (*)</source>
        <translation>Tekst (*.txt);;Wszystkie pliki (*)</translation>
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
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
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
        <translation>Wejście</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>Nothing is sent until you press &quot;Send&quot;. The patch below is as it will be with these changes:</source>
        <translation>Nic nie zostanie wysłane przed naciśnięciem „Wyślij”. Poniższy patch pokazuje stan po tych zmianach:</translation>
    </message>
    <message>
        <source>Changes to send</source>
        <translation>Zmiany do wysłania</translation>
    </message>
    <message>
        <source>&amp;Patch of:</source>
        <translation>&amp;Patch dla:</translation>
    </message>
    <message>
        <source>&amp;Universe:</source>
        <translation>&amp;Universe:</translation>
    </message>
    <message>
        <source>The patch in numbers</source>
        <translation>Patch w liczbach</translation>
    </message>
    <message>
        <source>32 by 16 cells, one per channel, coloured by device, red where there is a conflict; the list of uses below reads the same</source>
        <translation>32 na 16 komórek, po jednej na kanał, w kolorach urządzeń, czerwone przy konflikcie; lista użyć poniżej mówi to samo</translation>
    </message>
    <message>
        <source>U&amp;ses</source>
        <translation>&amp;Użycia</translation>
    </message>
    <message>
        <source>Uses</source>
        <translation>Użycia</translation>
    </message>
    <message>
        <source>C&amp;onflicts</source>
        <translation>K&amp;onflikty</translation>
    </message>
    <message>
        <source>Conflicts</source>
        <translation>Konflikty</translation>
    </message>
    <message>
        <source>Export report...</source>
        <translation>Eksportuj raport...</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Devices found</source>
        <translation>Znalezione urządzenia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1: %2
%3</source>
        <translation>%1: %2
%3</translation>
    </message>
    <message>
        <source>The whole rig</source>
        <translation>Cały rig</translation>
    </message>
    <message>
        <source>Devices: %1</source>
        <translation>Urządzenia: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n device(s), </source>
        <translation>
            <numerusform>%1: %n urządzenie, </numerusform>
            <numerusform>%1: %n urządzenia, </numerusform>
            <numerusform>%1: %n urządzeń, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n use(s) </source>
        <translation>
            <numerusform>%n użycie </numerusform>
            <numerusform>%n użycia </numerusform>
            <numerusform>%n użyć </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n universe(s); </source>
        <translation>
            <numerusform>w %n universe; </numerusform>
            <numerusform>w %n universe; </numerusform>
            <numerusform>w %n universe; </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s), </source>
        <translation>
            <numerusform>%n błąd, </numerusform>
            <numerusform>%n błędy, </numerusform>
            <numerusform>%n błędów, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s).</source>
        <translation>
            <numerusform>%n ostrzeżenie.</numerusform>
            <numerusform>%n ostrzeżenia.</numerusform>
            <numerusform>%n ostrzeżeń.</numerusform>
        </translation>
    </message>
    <message>
        <source>NET %1, universe %2: </source>
        <translation>NET %1, universe %2: </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) in use</source>
        <translation>
            <numerusform>%n kanał używany</numerusform>
            <numerusform>%n kanały używane</numerusform>
            <numerusform>%n kanałów używanych</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%n DMX output(s) fed</source>
        <translation>
            <numerusform>%n zasilane wyjście DMX</numerusform>
            <numerusform>%n zasilane wyjścia DMX</numerusform>
            <numerusform>%n zasilanych wyjść DMX</numerusform>
        </translation>
    </message>
    <message>
        <source>, conflicts</source>
        <translation>, konflikty</translation>
    </message>
    <message>
        <source>Channel %1:</source>
        <translation>Kanał %1:</translation>
    </message>
    <message>
        <source>Channels: no universe in use</source>
        <translation>Kanały: żadne universe nie jest używane</translation>
    </message>
    <message>
        <source>Channels of NET %1, universe %2</source>
        <translation>Kanały NET %1, universe %2</translation>
    </message>
    <message>
        <source>This whole universe feeds the DMX output of %1.</source>
        <translation>Całe to universe zasila wyjście DMX urządzenia %1.</translation>
    </message>
    <message>
        <source>Zentri report %1.pdf</source>
        <translation>Raport Zentri %1.pdf</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>Eksportuj raport</translation>
    </message>
    <message>
        <source>Report (*.pdf);;All files (*)</source>
        <translation>Raport (*.pdf);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>%1 already exist(s) beside the report. Replace?</source>
        <translation>%1 już istnieje obok raportu. Zastąpić?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>The report was written:
</source>
        <translation>Raport został zapisany:
</translation>
    </message>
    <message>
        <source>Channel %1: not in use</source>
        <translation>Kanał %1: nieużywany</translation>
    </message>
    <message>
        <source>Zentri patch</source>
        <translation>Zentri – patch</translation>
    </message>
</context>
<context>
    <name>zentri::ReaddressDialog</name>
    <message>
        <source>Readdress</source>
        <translation>Zmiana adresów</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) take consecutive blocks of channels, in the table&apos;s order:</source>
        <translation>
            <numerusform>%n urządzenie otrzyma kolejne bloki kanałów, w kolejności tabeli:</numerusform>
            <numerusform>%n urządzenia otrzymają kolejne bloki kanałów, w kolejności tabeli:</numerusform>
            <numerusform>%n urządzeń otrzyma kolejne bloki kanałów, w kolejności tabeli:</numerusform>
        </translation>
    </message>
    <message>
        <source>Devices to readdress, in order</source>
        <translation>Urządzenia do zmiany adresów, po kolei</translation>
    </message>
    <message>
        <source>&amp;Outputs</source>
        <translation>&amp;Wyjścia</translation>
    </message>
    <message>
        <source>&amp;Audio player channels</source>
        <translation>Kanały &amp;odtwarzacza audio</translation>
    </message>
    <message>
        <source>Readdress:</source>
        <translation>Zmień adresy:</translation>
    </message>
    <message>
        <source>Start &amp;NET:</source>
        <translation>Początkowy &amp;NET:</translation>
    </message>
    <message>
        <source>Start &amp;universe:</source>
        <translation>Początkowe &amp;universe:</translation>
    </message>
    <message>
        <source>Start &amp;channel:</source>
        <translation>Kanał &amp;początkowy:</translation>
    </message>
    <message>
        <source>Channels &amp;per device:</source>
        <translation>Kanałów &amp;na urządzenie:</translation>
    </message>
    <message>
        <source>Show new patch...</source>
        <translation>Pokaż nowy patch...</translation>
    </message>
    <message>
        <source>Not readdressed:
</source>
        <translation>Nie zmieniono adresów:
</translation>
    </message>
    <message>
        <source>Select devices that answered the last discovery.</source>
        <translation>Wybierz urządzenia, które odpowiedziały w ostatnim wyszukiwaniu.</translation>
    </message>
    <message>
        <source>The devices chosen already have these addresses: nothing to send.</source>
        <translation>Wybrane urządzenia mają już te adresy: nie ma czego wysłać.</translation>
    </message>
    <message>
        <source>Already at these addresses, nothing sent:
</source>
        <translation>Już pod tymi adresami, nic nie wysłano:
</translation>
    </message>
    <message>
        <source>%1 changed while the new patch was shown; nothing was sent.</source>
        <translation>%1 zmieniło się podczas pokazywania nowego patcha; nic nie wysłano.</translation>
    </message>
</context>
<context>
    <name>zentri::RigWindow</name>
    <message>
        <source>Zentri rig (*.json);;All files (*)</source>
        <translation>Rig Zentri (*.json);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The rig &quot;%1&quot; has changes that are not saved. Drop them?</source>
        <translation>Rig „%1” ma niezapisane zmiany. Odrzucić je?</translation>
    </message>
    <message>
        <source>No device is listed: press &quot;Find devices&quot; first.</source>
        <translation>Lista urządzeń jest pusta: najpierw naciśnij „Znajdź urządzenia”.</translation>
    </message>
    <message>
        <source>New rig</source>
        <translation>Nowy rig</translation>
    </message>
    <message>
        <source>Open rig</source>
        <translation>Otwórz rig</translation>
    </message>
    <message>
        <source>Save rig</source>
        <translation>Zapisz rig</translation>
    </message>
    <message>
        <source>Rig &quot;%1&quot;</source>
        <translation>Rig „%1”</translation>
    </message>
    <message>
        <source>Devices found</source>
        <translation>Znalezione urządzenia</translation>
    </message>
    <message>
        <source>answering</source>
        <translation>odpowiada</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nigdy</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
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
        <translation>Wersja modułu</translation>
    </message>
    <message>
        <source>SD card</source>
        <translation>Karta SD</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Ostatnio widziane</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Różnice</translation>
    </message>
    <message>
        <source>The rig and its file</source>
        <translation>Rig i jego plik</translation>
    </message>
    <message>
        <source>Devices of the rig and devices found</source>
        <translation>Urządzenia rigu i znalezione urządzenia</translation>
    </message>
    <message>
        <source>Find devices</source>
        <translation>Znajdź urządzenia</translation>
    </message>
    <message>
        <source>Watch every</source>
        <translation>Obserwuj co</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Seconds between two discoveries while watching</source>
        <translation>Sekundy między dwoma wyszukiwaniami podczas obserwacji</translation>
    </message>
    <message>
        <source>Send rig configuration...</source>
        <translation>Wyślij konfigurację rigu...</translation>
    </message>
    <message>
        <source>Take device configuration</source>
        <translation>Przejmij konfigurację urządzenia</translation>
    </message>
    <message>
        <source>Replace with...</source>
        <translation>Zastąp przez...</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Przechwyć</translation>
    </message>
    <message>
        <source>Show patch...</source>
        <translation>Pokaż patch...</translation>
    </message>
    <message>
        <source>Readdress...</source>
        <translation>Zmień adresy...</translation>
    </message>
    <message>
        <source>Give the selected devices&apos; outputs or audio player consecutive channels</source>
        <translation>Nadaj wyjściom lub odtwarzaczowi audio wybranych urządzeń kolejne kanały</translation>
    </message>
    <message>
        <source>Export report...</source>
        <translation>Eksportuj raport...</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Zdarzenia</translation>
    </message>
    <message>
        <source>What the last discovery found</source>
        <translation>Co znalazło ostatnie wyszukiwanie</translation>
    </message>
    <message>
        <source>Save events...</source>
        <translation>Zapisz zdarzenia...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>No device in the rig, none found</source>
        <translation>Brak urządzeń w rigu, żadnego nie znaleziono</translation>
    </message>
    <message>
        <source>Searching... %1</source>
        <translation>Wyszukiwanie... %1</translation>
    </message>
    <message>
        <source>Confirming what was sent... %1</source>
        <translation>Potwierdzanie wysłanego... %1</translation>
    </message>
    <message>
        <source>, in no file</source>
        <translation>, bez pliku</translation>
    </message>
    <message>
        <source> (changed, not saved)</source>
        <translation> (zmieniony, niezapisany)</translation>
    </message>
    <message numerus="yes">
        <source>; %n device(s)</source>
        <translation>
            <numerusform>; %n urządzenie</numerusform>
            <numerusform>; %n urządzenia</numerusform>
            <numerusform>; %n urządzeń</numerusform>
        </translation>
    </message>
    <message>
        <source>; also asks %1</source>
        <translation>; pyta też %1</translation>
    </message>
    <message>
        <source>

Nothing is sent to:
</source>
        <translation>

Nic nie zostanie wysłane do:
</translation>
    </message>
    <message>
        <source>No device differs from the rig: nothing to send.</source>
        <translation>Żadne urządzenie nie różni się od rigu: nie ma czego wysłać.</translation>
    </message>
    <message>
        <source>Nothing to send to the devices chosen.</source>
        <translation>Nie ma czego wysłać do wybranych urządzeń.</translation>
    </message>
    <message numerus="yes">
        <source>Send the rig&apos;s configuration to %n device(s)?</source>
        <translation>
            <numerusform>Wysłać konfigurację rigu do %n urządzenia?</numerusform>
            <numerusform>Wysłać konfigurację rigu do %n urządzeń?</numerusform>
            <numerusform>Wysłać konfigurację rigu do %n urządzeń?</numerusform>
        </translation>
    </message>
    <message>
        <source>taken</source>
        <translation>przejęto</translation>
    </message>
    <message>
        <source>Nothing taken from:
</source>
        <translation>Nic nie przejęto z:
</translation>
    </message>
    <message>
        <source>Select one device that is &quot;missing&quot;, or one that is &quot;not in rig&quot;.</source>
        <translation>Wybierz jedno urządzenie „brakujące” albo jedno „spoza rigu”.</translation>
    </message>
    <message>
        <source>No device that is &quot;not in rig&quot; answered.</source>
        <translation>Nie odpowiedziało żadne urządzenie „spoza rigu”.</translation>
    </message>
    <message>
        <source>No device of the rig is &quot;missing&quot;.</source>
        <translation>Żadnego urządzenia rigu nie „brakuje”.</translation>
    </message>
    <message>
        <source>The device that takes the place of %1:</source>
        <translation>Urządzenie, które zajmie miejsce %1:</translation>
    </message>
    <message>
        <source>The rig entry that %1 takes over:</source>
        <translation>Wpis rigu, który przejmie %1:</translation>
    </message>
    <message>
        <source>The devices changed while the list was open; nothing was sent.</source>
        <translation>Urządzenia zmieniły się, gdy lista była otwarta; nic nie wysłano.</translation>
    </message>
    <message>
        <source>Give the rig entry &quot;%1&quot; (%2) to the device %3 at %4?

It is sent the entry&apos;s configuration: %5.

Once it reports that configuration, the entry&apos;s MAC becomes %3 and its name stays.</source>
        <translation>Przekazać wpis rigu „%1” (%2) urządzeniu %3 pod adresem %4?

Otrzyma ono konfigurację wpisu: %5.

Gdy zgłosi tę konfigurację, MAC wpisu zmieni się na %3, a nazwa pozostanie.</translation>
    </message>
    <message>
        <source>No device answered: press &quot;Find devices&quot; first.</source>
        <translation>Żadne urządzenie nie odpowiedziało: najpierw naciśnij „Znajdź urządzenia”.</translation>
    </message>
    <message>
        <source>Not sent:
</source>
        <translation>Nie wysłano:
</translation>
    </message>
    <message>
        <source>Confirmed by the device:
</source>
        <translation>Potwierdzone przez urządzenie:
</translation>
    </message>
    <message>
        <source>Not confirmed:
</source>
        <translation>Niepotwierdzone:
</translation>
    </message>
    <message>
        <source>Zentri rig</source>
        <translation>Zentri – rig</translation>
    </message>
</context>
<context>
    <name>zentri::TMainForm</name>
    <message>
        <source>Front panel of the device</source>
        <translation>Panel przedni urządzenia</translation>
    </message>
    <message>
        <source>Live record</source>
        <translation>Nagrywanie
na żywo</translation>
    </message>
    <message>
        <source>Outputs setup</source>
        <translation>Wyjścia</translation>
    </message>
    <message>
        <source>Triggers setup</source>
        <translation>Wyzwalacze</translation>
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
        <translation>Brak karty SD</translation>
    </message>
    <message>
        <source>SD card present</source>
        <translation>Karta SD włożona</translation>
    </message>
    <message>
        <source>NO SD CARD</source>
        <translation>BRAK KARTY SD</translation>
    </message>
    <message>
        <source>System restart. Just like when you turn on the power.</source>
        <translation>Restart systemu, tak jak po włączeniu zasilania.</translation>
    </message>
    <message>
        <source>Restart device</source>
        <translation>Uruchom urządzenie ponownie</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Urządzenia</translation>
    </message>
    <message>
        <source>No found devices</source>
        <translation>Nie znaleziono urządzeń</translation>
    </message>
    <message>
        <source>Devices found</source>
        <translation>Znalezione urządzenia</translation>
    </message>
    <message>
        <source>Restore default values</source>
        <translation>Przywróć ustawienia domyślne</translation>
    </message>
    <message>
        <source>Use this option with caution!!!</source>
        <translation>Używaj tej opcji ostrożnie!!!</translation>
    </message>
    <message>
        <source>Find devices</source>
        <translation>Znajdź urządzenia</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Zapisz i zamknij</translation>
    </message>
    <message>
        <source>Artnet input</source>
        <translation>Wejście Art-Net</translation>
    </message>
    <message>
        <source>DMX input</source>
        <translation>Wejście DMX</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Edytor</translation>
    </message>
    <message>
        <source>Discovery state</source>
        <translation>Stan wyszukiwania</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Save configuration...</source>
        <translation>Zapisz konfigurację...</translation>
    </message>
    <message>
        <source>Load configuration...</source>
        <translation>Wczytaj konfigurację...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Rig</source>
        <translation>&amp;Rig</translation>
    </message>
    <message>
        <source>New rig from devices found</source>
        <translation>Nowy rig ze znalezionych urządzeń</translation>
    </message>
    <message>
        <source>Open rig...</source>
        <translation>Otwórz rig...</translation>
    </message>
    <message>
        <source>Save rig</source>
        <translation>Zapisz rig</translation>
    </message>
    <message>
        <source>Save rig as...</source>
        <translation>Zapisz rig jako...</translation>
    </message>
    <message>
        <source>Show rig...</source>
        <translation>Pokaż rig...</translation>
    </message>
    <message>
        <source>Show patch...</source>
        <translation>Pokaż patch...</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Wyszukiwanie...</translation>
    </message>
    <message>
        <source>Searching... (not sent on %1)</source>
        <translation>Wyszukiwanie... (nie wysłano przez %1)</translation>
    </message>
    <message>
        <source>Select device</source>
        <translation>Wybierz urządzenie</translation>
    </message>
    <message>
        <source>A Standard module has no DMX output: DMX setup needs a Premium module.</source>
        <translation>Moduł Standard nie ma wyjścia DMX: ustawienia DMX wymagają modułu Premium.</translation>
    </message>
    <message>
        <source>SD CARD OK</source>
        <translation>KARTA SD OK</translation>
    </message>
    <message>
        <source>Zentri configuration (*.json);;All files (*)</source>
        <translation>Konfiguracja Zentri (*.json);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The device list changed while the dialog was open; nothing was done. Select the device and try again.</source>
        <translation>Lista urządzeń zmieniła się, gdy okno było otwarte; nic nie zrobiono. Wybierz urządzenie i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Save configuration</source>
        <translation>Zapisz konfigurację</translation>
    </message>
    <message>
        <source>Load configuration</source>
        <translation>Wczytaj konfigurację</translation>
    </message>
    <message>
        <source>Load %1 into &quot;%2&quot; (%3).

%4

Store this configuration and send it to the device?</source>
        <translation>Wczytanie %1 do „%2” (%3).

%4

Zapisać tę konfigurację i wysłać ją do urządzenia?</translation>
    </message>
    <message>
        <source>Cannot receive replies on UDP port %1: %2</source>
        <translation>Nie można odbierać odpowiedzi na porcie UDP %1: %2</translation>
    </message>
</context>
<context>
    <name>zentri::TfAbout</name>
    <message>
        <source>About...</source>
        <translation>O programie...</translation>
    </message>
    <message>
        <source>Zentri logo</source>
        <translation>Logo Zentri</translation>
    </message>
    <message>
        <source>Zentri manager v.: %1</source>
        <translation>Zentri manager wer.: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
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
        <translation>Cue</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Cue name</source>
        <translation>Nazwa cue</translation>
    </message>
    <message>
        <source>Save CUE</source>
        <translation>Zapisz CUE</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Dziennik</translation>
    </message>
    <message>
        <source>DMX channels</source>
        <translation>Kanały DMX</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanał %1</translation>
    </message>
    <message>
        <source>click: %1 row: %2</source>
        <translation>kliknięcie: %1 wiersz: %2</translation>
    </message>
</context>
<context>
    <name>zentri::TfDMXSetup</name>
    <message>
        <source>Zentri DMX setup</source>
        <translation>Zentri – ustawienia DMX</translation>
    </message>
    <message>
        <source>DMX Output</source>
        <translation>Wyjście DMX</translation>
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
        <translation>Wyjście DMX NET</translation>
    </message>
    <message>
        <source>DMX output Universe</source>
        <translation>Wyjście DMX universe</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>blackout when there is no input signal</source>
        <translation>blackout przy braku sygnału wejściowego</translation>
    </message>
</context>
<context>
    <name>zentri::TfLiveButtonRecord</name>
    <message>
        <source>Zentri Live Button Record</source>
        <translation>Zentri – nagrywanie na żywo</translation>
    </message>
    <message>
        <source>Show %1 length</source>
        <translation>Długość pokazu %1</translation>
    </message>
    <message>
        <source>Show %1 light</source>
        <translation>Lampka pokazu %1</translation>
    </message>
    <message>
        <source>SHOW %1</source>
        <translation>POKAZ %1</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>ODTWÓRZ</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Playback time</source>
        <translation>Czas odtwarzania</translation>
    </message>
    <message>
        <source>Incoming packets</source>
        <translation>Przychodzące pakiety</translation>
    </message>
    <message>
        <source>Playback position</source>
        <translation>Pozycja odtwarzania</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>%1 light</source>
        <translation>Lampka %1</translation>
    </message>
    <message>
        <source>Waiting for Artnet packet...</source>
        <translation>Oczekiwanie na pakiet Art-Net...</translation>
    </message>
    <message>
        <source>Waiting for not empty Artnet packet...</source>
        <translation>Oczekiwanie na niepusty pakiet Art-Net...</translation>
    </message>
    <message>
        <source>Incoming packets: %1</source>
        <translation>Przychodzące pakiety: %1</translation>
    </message>
    <message>
        <source>Set show: %1</source>
        <translation>Wybrany pokaz: %1</translation>
    </message>
    <message>
        <source>ERASE</source>
        <translation>KASUJ</translation>
    </message>
    <message>
        <source>CONFIRM ERASE</source>
        <translation>POTWIERDŹ KASOWANIE</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>NAGRYWAJ</translation>
    </message>
    <message>
        <source>CONFIRM RECORD (the previous show will be deleted)</source>
        <translation>POTWIERDŹ NAGRYWANIE (poprzedni pokaz zostanie usunięty)</translation>
    </message>
    <message>
        <source>SYNCHRO RECORD</source>
        <translation>NAGRYWANIE SYNCHRO</translation>
    </message>
    <message>
        <source>CONFIRM SYNCHRO RECORD (the previous show will be deleted)</source>
        <translation>POTWIERDŹ NAGRYWANIE SYNCHRO (poprzedni pokaz zostanie usunięty)</translation>
    </message>
    <message>
        <source>RECORDING...</source>
        <translation>NAGRYWANIE...</translation>
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

Od: %3
Do: %4</translation>
    </message>
    <message>
        <source>Zentri Live Record</source>
        <translation>Zentri – oś czasu</translation>
    </message>
    <message>
        <source>Time Line</source>
        <translation>Oś czasu</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Mouse position</source>
        <translation>Pozycja myszy</translation>
    </message>
    <message>
        <source>Time at the pointer</source>
        <translation>Czas przy wskaźniku</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <comment>the header of the outputs&apos; names</comment>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Hour %1</source>
        <translation>Godzina %1</translation>
    </message>
    <message>
        <source>Minutes of hour %1</source>
        <translation>Minuty godziny %1</translation>
    </message>
    <message>
        <source>Pointer mark</source>
        <translation>Znacznik wskaźnika</translation>
    </message>
    <message>
        <source>Output %1 time line</source>
        <translation>Oś czasu wyjścia %1</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Wyjście %1</translation>
    </message>
    <message>
        <source>Output %1 row</source>
        <translation>Wiersz wyjścia %1</translation>
    </message>
    <message>
        <source>Pointer line</source>
        <translation>Linia wskaźnika</translation>
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
        <translation>Kanał katalogu odtwarzacza audio</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>Audio player file channel</source>
        <translation>Kanał pliku odtwarzacza audio</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Głośność:</translation>
    </message>
    <message>
        <source>Audio player volume channel</source>
        <translation>Kanał głośności odtwarzacza audio</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Stan:</translation>
    </message>
    <message>
        <source>Audio player state channel</source>
        <translation>Kanał stanu odtwarzacza audio</translation>
    </message>
    <message>
        <source>Bass:</source>
        <translation>Basy:</translation>
    </message>
    <message>
        <source>Audio player bass channel</source>
        <translation>Kanał basów odtwarzacza audio</translation>
    </message>
    <message>
        <source>Treble:</source>
        <translation>Soprany:</translation>
    </message>
    <message>
        <source>Audio player treble channel</source>
        <translation>Kanał sopranów odtwarzacza audio</translation>
    </message>
    <message>
        <source>Zentri audio setup</source>
        <translation>Zentri – ustawienia audio</translation>
    </message>
    <message>
        <source>Master volume</source>
        <translation>Głośność główna</translation>
    </message>
    <message>
        <source>Master volume value</source>
        <translation>Wartość głośności głównej</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
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
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Audio player NET</source>
        <translation>Odtwarzacz audio NET</translation>
    </message>
    <message>
        <source>Audio player Universe</source>
        <translation>Odtwarzacz audio universe</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Play loop</source>
        <translation>Odtwarzanie w pętli</translation>
    </message>
</context>
<context>
    <name>zentri::TfSetupInput</name>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Wyzwalacz</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Pokaz %1</translation>
    </message>
    <message>
        <source>In the ZOZEZER show module version 5-8 are unavailable<byte value="xd"/>
Please correct</source>
        <translation>W module pokazów ZOZEZER pokazy 5-8 są niedostępne<byte value="xd"/>
Popraw ustawienia</translation>
    </message>
    <message>
        <source>Zentri input setup</source>
        <translation>Zentri – ustawienia wyzwalaczy</translation>
    </message>
    <message>
        <source>Trigger destination IP:</source>
        <translation>Docelowy IP wyzwalaczy:</translation>
    </message>
    <message>
        <source>Trigger destination IP, number %1</source>
        <translation>Docelowy IP wyzwalaczy, liczba %1</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Pressing the play button interrupts the playing file</source>
        <translation>Przycisk odtwarzania przerywa odtwarzany plik</translation>
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
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funkcja</translation>
    </message>
    <message>
        <source>Catalog</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>Play after power on</source>
        <translation>Odtwórz po włączeniu</translation>
    </message>
    <message>
        <source>Trigger test</source>
        <translation>Test wyzwalacza</translation>
    </message>
    <message>
        <source>Trigger %1</source>
        <translation>Wyzwalacz %1</translation>
    </message>
    <message>
        <source>Trigger %1:</source>
        <translation>Wyzwalacz %1:</translation>
    </message>
    <message>
        <source>Trigger %1 function</source>
        <translation>Wyzwalacz %1 funkcja</translation>
    </message>
    <message>
        <source>Trigger %1 catalog</source>
        <translation>Wyzwalacz %1 katalog</translation>
    </message>
    <message>
        <source>Trigger %1 file</source>
        <translation>Wyzwalacz %1 plik</translation>
    </message>
    <message>
        <source>Trigger %1 volume</source>
        <translation>Wyzwalacz %1 głośność</translation>
    </message>
    <message>
        <source>Trigger %1 plays after power on</source>
        <translation>Wyzwalacz %1 odtwarza po włączeniu</translation>
    </message>
    <message>
        <source>Trigger %1 test</source>
        <translation>Wyzwalacz %1 test</translation>
    </message>
    <message>
        <source>no play</source>
        <translation>bez odtwarzania</translation>
    </message>
    <message>
        <source>No play after power on</source>
        <translation>Bez odtwarzania po włączeniu</translation>
    </message>
    <message>
        <source>Input terminal block</source>
        <translation>Listwa zaciskowa wejść</translation>
    </message>
    <message>
        <source>The NET and Universe of the “All” row apply to all inputs.</source>
        <translation>NET i universe z wiersza „Wszystkie” dotyczą wszystkich wejść.</translation>
    </message>
</context>
<context>
    <name>zentri::TfSetupOutput</name>
    <message>
        <source>Zentri output setup</source>
        <translation>Zentri – ustawienia wyjść</translation>
    </message>
    <message>
        <source>OUT</source>
        <translation>WYJ.</translation>
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
        <translation>Kanał</translation>
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
        <translation>Wyjście %1</translation>
    </message>
    <message>
        <source>Output %1 PWM mode</source>
        <translation>Wyjście %1 tryb PWM</translation>
    </message>
    <message>
        <source>Output %1 test</source>
        <translation>Wyjście %1 test</translation>
    </message>
    <message>
        <source>Output terminal block</source>
        <translation>Listwa zaciskowa wyjść</translation>
    </message>
    <message>
        <source>The NET and Universe of the “All” row apply to all outputs.</source>
        <translation>NET i universe z wiersza „Wszystkie” dotyczą wszystkich wyjść.</translation>
    </message>
</context>
<context>
    <name>zentri::UdpClient</name>
    <message>
        <source>The device address is not a valid IPv4 address.</source>
        <translation>Adres urządzenia nie jest poprawnym adresem IPv4.</translation>
    </message>
</context>
<context>
    <name>zentri::UdpListener</name>
    <message>
        <source>The socket is not open.</source>
        <translation>Gniazdo nie jest otwarte.</translation>
    </message>
</context>
<context>
    <name>zentri::address</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address written as four decimal numbers from 0 to 255 without leading zeros (like 192.168.1.50)</source>
        <translation>„%1” nie jest adresem IPv4 zapisanym jako cztery liczby dziesiętne od 0 do 255 bez zer wiodących (np. 192.168.1.50)</translation>
    </message>
    <message>
        <source>%1 is the unspecified address, no device&apos;s address</source>
        <translation>%1 to adres nieokreślony, nie adres urządzenia</translation>
    </message>
    <message>
        <source>%1 is the broadcast address: it would reach every device on the network, not one</source>
        <translation>%1 to adres rozgłoszeniowy: dotarłby do każdego urządzenia w sieci, nie do jednego</translation>
    </message>
    <message>
        <source>%1 is a multicast address: it would reach every device that listens to it, not one</source>
        <translation>%1 to adres multicast: dotarłby do każdego urządzenia, które go nasłuchuje, nie do jednego</translation>
    </message>
    <message>
        <source>%1 is the broadcast address of the subnet %2/%3 on %4: it would reach every device there, not one</source>
        <translation>%1 to adres rozgłoszeniowy podsieci %2/%3 na %4: dotarłby do każdego urządzenia w niej, nie do jednego</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the prefix length after &quot;/&quot; must be a whole number from 0 to 32</source>
        <translation>„%1”: długość prefiksu po „/” musi być liczbą całkowitą od 0 do 32</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 addresses; a range may hold at most %3 (a /20)</source>
        <translation>„%1” obejmuje %2 adresów; zakres może obejmować najwyżej %3 (/20)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a subnet: its network address is %2/%3</source>
        <translation>„%1” nie jest podsiecią: jej adres sieci to %2/%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no address that stands for one device</source>
        <translation>„%1” nie zawiera adresu pojedynczego urządzenia</translation>
    </message>
</context>
<context>
    <name>zentri::configfile</name>
    <message>
        <source>true or false</source>
        <translation>true lub false</translation>
    </message>
    <message>
        <source>a whole number from 0 to %1</source>
        <translation>liczba całkowita od 0 do %1</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>lista</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>obiekt</translation>
    </message>
    <message>
        <source>This is not a Zentri device configuration file</source>
        <translation>To nie jest plik konfiguracji urządzenia Zentri</translation>
    </message>
    <message>
        <source>%1: its &quot;%2&quot; is not &quot;%3&quot;.</source>
        <translation>%1: jego „%2” nie jest „%3”.</translation>
    </message>
    <message>
        <source>The file lacks the field %1.</source>
        <translation>W pliku brakuje pola %1.</translation>
    </message>
    <message>
        <source>The file&apos;s %1 %2 is not a format version.</source>
        <translation>%1 %2 pliku nie jest wersją formatu.</translation>
    </message>
    <message>
        <source>The file&apos;s %1 is %2, newer than this program reads (%3); nothing was loaded.</source>
        <translation>%1 pliku to %2, nowsza niż obsługuje ten program (%3); nic nie wczytano.</translation>
    </message>
    <message>
        <source>The configuration file was refused; nothing was changed or sent. </source>
        <translation>Plik konfiguracji odrzucono; nic nie zmieniono ani nie wysłano. </translation>
    </message>
    <message>
        <source>In it %1: it is not clear which one is meant.</source>
        <translation>W nim %1: nie wiadomo, który jest właściwy.</translation>
    </message>
    <message>
        <source>It holds keys or elements that a configuration does not have: %1.</source>
        <translation>Zawiera klucze lub elementy, których konfiguracja nie ma: %1.</translation>
    </message>
    <message>
        <source>%1 (%2 is not a text)</source>
        <translation>%1 (%2 nie jest tekstem)</translation>
    </message>
    <message>
        <source>%1 (%2 is not %3)</source>
        <translation>%1 (%2 to nie %3)</translation>
    </message>
    <message>
        <source>%1 (%2 is not an object)</source>
        <translation>%1 (%2 nie jest obiektem)</translation>
    </message>
    <message>
        <source>It lacks the field %1.</source>
        <translation>Brakuje w nim pola %1.</translation>
    </message>
    <message>
        <source>It lacks the fields %1.</source>
        <translation>Brakuje w nim pól %1.</translation>
    </message>
    <message>
        <source>The device cannot take this value: %1.</source>
        <translation>Urządzenie nie przyjmie tej wartości: %1.</translation>
    </message>
    <message>
        <source>The device cannot take these values: %1.</source>
        <translation>Urządzenie nie przyjmie tych wartości: %1.</translation>
    </message>
    <message>
        <source>In the windows: %1.</source>
        <translation>W oknach: %1.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The file was saved from &quot;%1&quot; (%2); this device is &quot;%3&quot; (%4).</source>
        <translation>Plik zapisano z „%1” (%2); to urządzenie to „%3” (%4).</translation>
    </message>
    <message>
        <source>The device already has this configuration.</source>
        <translation>Urządzenie ma już tę konfigurację.</translation>
    </message>
    <message>
        <source>1 setting differs:</source>
        <translation>1 ustawienie się różni:</translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ:</source>
        <translation>
            <numerusform>%n ustawienie się różni:</numerusform>
            <numerusform>%n ustawienia się różnią:</numerusform>
            <numerusform>%n ustawień się różni:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  ... and %n more</source>
        <translation>
            <numerusform>  ... i %n więcej</numerusform>
            <numerusform>  ... i %n więcej</numerusform>
            <numerusform>  ... i %n więcej</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zentri::ctl</name>
    <message>
        <source>%1 (--force replaces it)</source>
        <translation>%1 (--force go zastąpi)</translation>
    </message>
    <message>
        <source>discover takes no address; see zentrictl discover --help</source>
        <translation>discover nie przyjmuje adresu; zobacz zentrictl discover --help</translation>
    </message>
    <message>
        <source>no device answered within %1 ms</source>
        <translation>żadne urządzenie nie odpowiedziało w ciągu %1 ms</translation>
    </message>
    <message>
        <source>not a device&apos;s IPv4 address: %1</source>
        <translation>to nie jest adres IPv4 urządzenia: %1</translation>
    </message>
    <message>
        <source>IP and FILE</source>
        <translation>IP i FILE</translation>
    </message>
    <message>
        <source>%1: configuration of &quot;%2&quot; (%3) saved to %4</source>
        <translation>%1: konfigurację „%2” (%3) zapisano w %4</translation>
    </message>
    <message>
        <source>restore needs IP FILE pairs; see zentrictl restore --help</source>
        <translation>restore wymaga par IP FILE; zobacz zentrictl restore --help</translation>
    </message>
    <message>
        <source>%1; nothing sent to it</source>
        <translation>%1; nic do niego nie wysłano</translation>
    </message>
    <message>
        <source>%1: firmware %2: %3; nothing sent to it</source>
        <translation>%1: firmware %2: %3; nic do niego nie wysłano</translation>
    </message>
    <message>
        <source>%1: its module is Standard, for which the windows do not offer these settings that %2 changes: %3</source>
        <translation>%1: ma moduł Standard, dla którego okna nie oferują tych ustawień, a %2 je zmienia: %3</translation>
    </message>
    <message>
        <source>%1; nothing sent to it (--yes sends them)</source>
        <translation>%1; nic do niego nie wysłano (--yes je wyśle)</translation>
    </message>
    <message>
        <source>%1: the file %2 was saved from &quot;%3&quot; (%4); it goes to &quot;%5&quot; (%6)</source>
        <translation>%1: plik %2 zapisano z „%3” (%4); trafi do „%5” (%6)</translation>
    </message>
    <message>
        <source>%1: not sent: %2</source>
        <translation>%1: nie wysłano: %2</translation>
    </message>
    <message>
        <source>%1: sent %2, but the device did not answer the check</source>
        <translation>%1: wysłano %2, ale urządzenie nie odpowiedziało na sprawdzenie</translation>
    </message>
    <message>
        <source>%1: check failed: the device does not report what was sent: %2</source>
        <translation>%1: sprawdzenie nie powiodło się: urządzenie nie zgłasza tego, co wysłano: %2</translation>
    </message>
    <message>
        <source>%1 sent %2, reported %3</source>
        <translation>%1 wysłano %2, zgłoszono %3</translation>
    </message>
    <message>
        <source>%1: restored from %2 (%3 changed); the device reports the configuration sent</source>
        <translation>%1: przywrócono z %2 (zmieniono: %3); urządzenie zgłasza wysłaną konfigurację</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 ustawienie</translation>
    </message>
    <message numerus="yes">
        <source>%n settings</source>
        <translation>
            <numerusform>%n ustawienie</numerusform>
            <numerusform>%n ustawienia</numerusform>
            <numerusform>%n ustawień</numerusform>
        </translation>
    </message>
    <message>
        <source>one IP</source>
        <translation>jeden adres IP</translation>
    </message>
    <message>
        <source>restart sent</source>
        <translation>wysłano restart</translation>
    </message>
    <message>
        <source>defaults erases the device&apos;s settings: add --yes to send it</source>
        <translation>defaults kasuje ustawienia urządzenia: dodaj --yes, aby je wysłać</translation>
    </message>
    <message>
        <source>restore defaults sent</source>
        <translation>wysłano przywrócenie ustawień domyślnych</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 podano więcej niż raz</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number of %3</source>
        <translation>%1: „%2” nie jest liczbą %3</translation>
    </message>
    <message>
        <source>milliseconds from 0 to 600000</source>
        <translation>milisekund od 0 do 600000</translation>
    </message>
    <message>
        <source>%1 needs %2; see zentrictl %1 --help</source>
        <translation>%1: podaj %2; zobacz zentrictl %1 --help</translation>
    </message>
    <message>
        <source>[y/N]</source>
        <extracomment>The first letters of &quot;yes&quot; and &quot;no&quot;; the capital one, no, is what an empty answer means.</extracomment>
        <translation>[t/N]</translation>
    </message>
    <message>
        <source>y</source>
        <extracomment>The short answer &quot;yes&quot; to [y/N], in small letters.</extracomment>
        <translation>t</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>The answer &quot;yes&quot; to [y/N], in small letters.</extracomment>
        <translation>tak</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nie podano polecenia</translation>
    </message>
    <message>
        <source>rig needs one of capture, check, apply, replace; see zentrictl --help</source>
        <translation>rig wymaga jednego z: capture, check, apply, replace; zobacz zentrictl --help</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>nieznane polecenie „%1”</translation>
    </message>
    <message>
        <source>%1: %2; see zentrictl %1 --help</source>
        <translation>%1: %2; zobacz zentrictl %1 --help</translation>
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
        <translation>Użycie: zentrictl COMMAND [ARGUMENTS] [--verbose]

Polecenia:
  discover [--json] [--wait MS] [--interface NAME] [--to ADDRESS]
                          znajdź urządzenia w sieci i wypisz je
  backup IP FILE [--force]
                          zapisz konfigurację urządzenia do FILE („-” to standardowe wyjście)
  restore IP FILE [IP FILE]... [--yes]
                          wyślij konfigurację z każdego pliku do jego urządzenia i sprawdź ją
  restart IP              uruchom urządzenie ponownie
  defaults IP --yes       przywróć ustawienia domyślne urządzenia
  sd IP                   sprawdź, czy urządzenie ma kartę SD
  rig capture FILE        zapisz rig ze wszystkich urządzeń, które odpowiedzą
  rig check FILE [--json] porównaj z rigiem urządzenia, które odpowiedzą
  rig apply FILE [--yes] [--mac MAC]...
                          wyślij konfigurację rigu do urządzeń, które się różnią (albo do podanych)
  rig replace FILE OLD_MAC NEW_MAC [--yes]
                          przekaż wpis brakującego urządzenia wraz z konfiguracją nowemu urządzeniu
  watch [--rig FILE] [--interval S] [--count N] [--json]
                          pytaj ponownie co S sekund i wypisuj, co się zmienia
  patch [--rig FILE] [--json | --csv]
                          każdy używany kanał, co go używa, oraz konflikty
  status URL [--json]     stany zgłaszane przez działającą usługę zentri-watch (bez UDP)

„zentrictl COMMAND --help” mówi więcej o każdym poleceniu; --version podaje wersję.
IP to cztery liczby dziesiętne od 0 do 255 bez zer wiodących; oznacza jedno urządzenie: 0.0.0.0,
adresy rozgłoszeniowe (255.255.255.255 i adresy rozgłoszeniowe podsieci tego komputera) oraz adresy
multicast są odrzucane. --verbose wypisuje na standardowe wyjście błędów każdy wysłany i odebrany
datagram.
Kod wyjścia: 0 sukces, 1 urządzenie nie odpowiedziało lub sprawdzenie się nie powiodło, 2 błędne
użycie lub błędny plik, 3 port odpowiedzi 7800 jest zajęty przez inny program (np. Zentri manager).
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
        <translation>Użycie: zentrictl discover [--json] [--wait MS] [--interface NAME] [--to ADDRESS]

Rozgłasza jedno zapytanie wyszukiwania przez każdy interfejs sieciowy, który działa i obsługuje
rozgłaszanie (albo tylko przez NAME), czeka MS milisekund (domyślnie 2000) na odpowiedzi i wypisuje
jeden wiersz na urządzenie: nazwę, IP, MAC, firmware, wersję modułu i stan karty SD, rozdzielone
tabulatorami.
  --json            wypisz tablicę JSON obiektów z kluczami name, ip, mac, firmware, module,
                    moduleVersion i sdCard (true, false albo null, gdy urządzenie tego nie podało)
  --wait MS         jak długo czekać na odpowiedzi, w milisekundach
  --interface NAME  rozgłaszaj tylko przez ten interfejs sieciowy
  --to ADDRESS      wyślij zapytanie tylko do ADDRESS zamiast je rozgłaszać
  --address IP|CIDR zapytaj też ten adres albo każdy adres tej podsieci (najwyżej 4096), po kolei
                    (urządzenia za routerem); można podać wiele razy
Kod wyjścia 1, gdy żadne urządzenie nie odpowiedziało.</translation>
    </message>
    <message>
        <source>Usage: zentrictl rig capture FILE [--name NAME] [--address IP|CIDR]... [--wait MS] [--force]

Finds the devices (broadcast, and the --address ranges one by one) and writes a new rig of every device
that answered to FILE: its name (NAME, default the file&apos;s name), the addresses, and one entry per
device with its whole configuration, as &quot;Save configuration...&quot; writes it. FILE is written whole or
not at all, only as a regular file; a read-only one only with --force. One line per device.
Exits 1 when no device answered.</source>
        <translation>Użycie: zentrictl rig capture FILE [--name NAME] [--address IP|CIDR]... [--wait MS] [--force]

Wyszukuje urządzenia (rozgłoszeniem i po kolei w zakresach --address) i zapisuje do FILE nowy rig ze
wszystkich urządzeń, które odpowiedziały: jego nazwę (NAME, domyślnie nazwa pliku), adresy i po jednym
wpisie na urządzenie z całą jego konfiguracją, tak jak zapisuje ją „Zapisz konfigurację...”. FILE
jest zapisywany w całości albo wcale, tylko jako zwykły plik; plik tylko do odczytu tylko z --force.
Jeden wiersz na urządzenie.
Kod wyjścia 1, gdy żadne urządzenie nie odpowiedziało.</translation>
    </message>
    <message>
        <source>Usage: zentrictl rig check FILE [--json] [--wait MS]

Finds the devices (broadcast, and the rig&apos;s addresses one by one) and prints one line per device of
the rig and per device that answered, tab-separated: the state (&quot;in sync&quot;, &quot;differs&quot;, &quot;missing&quot;,
&quot;not in rig&quot;, &quot;duplicate&quot;), MAC, name, IP and, for a device that differs, every differing setting
with the rig&apos;s and the device&apos;s value. --json prints a list of objects with mac, name, ip, state and
differences (field, rig, device).
Exits 0 only when every device of the rig is in sync and no other device answered; 1 otherwise.</source>
        <translation>Użycie: zentrictl rig check FILE [--json] [--wait MS]

Wyszukuje urządzenia (rozgłoszeniem i po kolei pod adresami rigu) i wypisuje po jednym wierszu na
każde urządzenie rigu i każde urządzenie, które odpowiedziało, z polami rozdzielonymi tabulatorami:
stan („in sync”, „differs”, „missing”, „not in rig”, „duplicate”), MAC, nazwę, IP, a dla urządzenia,
które się różni, każde różniące się ustawienie z wartością z rigu i z urządzenia. --json wypisuje
listę obiektów z mac, name, ip, state i differences (field, rig, device).
Kod wyjścia 0 tylko wtedy, gdy każde urządzenie rigu jest zgodne i nie odpowiedziało żadne inne
urządzenie; w przeciwnym razie 1.</translation>
    </message>
    <message>
        <source>Usage: zentrictl rig apply FILE [--mac MAC]... [--yes] [--wait MS]

Sends the rig&apos;s configuration to every device that differs (or to the devices named by --mac) as
&quot;Save &amp; Close&quot; would, each keeping its own module version, after listing each device and the
settings it changes; then asks each device again and prints &quot;confirmed&quot; or &quot;not confirmed&quot; for it.
Nothing is sent without --yes or a yes typed on the terminal; without a terminal and --yes it exits 2.
Exits 0 when every device sent to confirmed; 1 otherwise.</source>
        <translation>Użycie: zentrictl rig apply FILE [--mac MAC]... [--yes] [--wait MS]

Wysyła konfigurację rigu do każdego urządzenia, które się różni (albo do urządzeń podanych przez
--mac), tak jak zrobiłoby to „Zapisz i zamknij”, przy czym każde zachowuje własną wersję modułu;
najpierw wypisuje każde urządzenie i ustawienia, które zmienia, potem pyta każde urządzenie ponownie
i wypisuje dla niego „confirmed” albo „not confirmed”.
Bez --yes albo odpowiedzi „tak” wpisanej w terminalu nic nie jest wysyłane; bez terminala i bez
--yes kod wyjścia to 2.
Kod wyjścia 0, gdy potwierdziło każde urządzenie, do którego wysłano; w przeciwnym razie 1.</translation>
    </message>
    <message>
        <source>Usage: zentrictl rig replace FILE OLD_MAC NEW_MAC [--yes] [--wait MS]

For a box swapped after a fault: OLD_MAC must be in the rig and missing, NEW_MAC must answer and not be
in the rig. Sends OLD_MAC&apos;s entry to the new device, asks it again, and once it reports the
configuration writes FILE with the entry&apos;s MAC changed to NEW_MAC (its name stays).
Nothing is sent without --yes or a yes typed on the terminal.
Exits 0 when the new device confirmed; 1 otherwise.</source>
        <translation>Użycie: zentrictl rig replace FILE OLD_MAC NEW_MAC [--yes] [--wait MS]

Dla urządzenia wymienionego po awarii: OLD_MAC musi być w rigu i brakować, NEW_MAC musi odpowiadać i
nie być w rigu. Wysyła wpis OLD_MAC do nowego urządzenia, pyta je ponownie, a gdy zgłosi konfigurację,
zapisuje FILE z adresem MAC wpisu zmienionym na NEW_MAC (jego nazwa zostaje).
Bez --yes albo odpowiedzi „tak” wpisanej w terminalu nic nie jest wysyłane.
Kod wyjścia 0, gdy nowe urządzenie potwierdziło; w przeciwnym razie 1.</translation>
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
        <translation>Użycie: zentrictl patch [--rig FILE] [--json | --csv] [--wait MS]

Patch znalezionych urządzeń (albo wpisów rigu, z --rig, bez żadnej sieci): jeden wiersz na każdy
używany kanał, z polami rozdzielonymi tabulatorami: NET, universe, kanał (0 dla wyjścia DMX, które
zajmuje całe universe), co go używa („Output 3 (PWM)”, „Audio player volume”, „DMX output”,
„Trigger 2 to ADDRESS”), nazwa, MAC i IP urządzenia oraz źródło wejścia, za którym podąża; potem
jeden wiersz na konflikt, zaczynający się od „error” albo „warning”, z przyczyną i urządzeniami.
--json wypisuje obiekt z uses (net, universe, channel, element, device) i conflicts (level, reason,
devices, elements); --csv wypisuje użycia jako CSV.
Kod wyjścia 1, gdy występuje konflikt poziomu „error”.</translation>
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
        <translation>Użycie: zentrictl watch [--rig FILE] [--address IP|CIDR]... [--interval S] [--count N] [--json]

Powtarza wyszukiwanie co S sekund (domyślnie 3, od 1 do 60), z zapytaniem o kartę SD do każdego
urządzenia, które odpowiada, i wypisuje jeden wiersz na zdarzenie, gdy tylko ono nastąpi: „new”,
„offline” (brak odpowiedzi na ostatnie 3 odpytania), „back online”, „changed” (z ustawieniami
zmienionymi gdzie indziej), „SD card removed”, „SD card inserted”, potem MAC, nazwę, IP, szczegóły i
czas. Po N odpytaniach (domyślnie: do przerwania) wypisuje jeden wiersz na urządzenie: „online”,
„missed” albo „offline” oraz kiedy było ostatnio widziane. --json wypisuje jeden obiekt na wiersz
(time, event, mac, name, ip, detail; na końcu mac, name, ip, state, lastSeen).
Z --count kod wyjścia 0, gdy na końcu każde urządzenie rigu (bez --rig: każde urządzenie) jest
online; w przeciwnym razie 1.</translation>
    </message>
    <message>
        <source>Usage: zentrictl backup IP FILE [--wait MS] [--force]

Asks the device at IP for its configuration and writes it, with its name, MAC, firmware and module
version, to FILE (JSON, the format the manager&apos;s &quot;Save configuration...&quot; writes), or to standard
output when FILE is &quot;-&quot;. FILE is written whole or not at all; only a regular file is replaced, and
a read-only one only with --force.
Exits 1 when the device did not answer within MS milliseconds (default 2000), 2 when FILE cannot be
written.</source>
        <translation>Użycie: zentrictl backup IP FILE [--wait MS] [--force]

Pyta urządzenie pod adresem IP o jego konfigurację i zapisuje ją wraz z nazwą, MAC, wersją firmware
i wersją modułu do FILE (JSON, w formacie, w jakim zapisuje „Zapisz konfigurację...” w managerze)
albo na standardowe wyjście, gdy FILE to „-”. FILE jest zapisywany w całości albo wcale; zastępowany
jest tylko zwykły plik, a plik tylko do odczytu tylko z --force.
Kod wyjścia 1, gdy urządzenie nie odpowiedziało w ciągu MS milisekund (domyślnie 2000), 2, gdy nie
można zapisać FILE.</translation>
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
        <translation>Użycie: zentrictl restore IP FILE [IP FILE]... [--wait MS] [--yes]

Najpierw czyta każdy plik FILE (plik większy niż 1 MiB, który nie jest konfiguracją, w którym brakuje
pola, który zawiera klucz dwa razy albo klucz, którego konfiguracja nie ma, albo wartość, której
urządzenie nie przyjmie, zatrzymuje wszystko, zanim cokolwiek zostanie wysłane), potem dla każdego
urządzenia: pyta o jego bieżącą konfigurację, wysyła mu konfigurację z pliku („!SETI”; urządzenie
zachowuje własną wersję modułu) i nowym zapytaniem wyszukiwania sprawdza, czy urządzenie zgłasza to,
co wysłano. Plik zapisany z innego urządzenia jest wymieniany w osobnym wierszu. Urządzenie, którego
firmware manager odrzuca, nie dostaje nic. Dla urządzenia z modułem Standard plik zmieniający
ustawienia, których okna dla niego nie oferują (Art-Net NET i Universe, PWM, wyjście DMX), jest
wysyłany tylko z --yes.
Kod wyjścia 1, gdy urządzenie nie odpowiedziało, ma zbyt starą wersję firmware albo nie zgłasza tego,
co wysłano, 2 przy błędnym pliku albo ustawieniach niepotwierdzonych przez --yes.</translation>
    </message>
    <message>
        <source>Usage: zentrictl restart IP

Sends the restart command; the device restarts as at power-on. The device does not answer it.</source>
        <translation>Użycie: zentrictl restart IP

Wysyła polecenie restartu; urządzenie uruchamia się ponownie jak po włączeniu zasilania. Urządzenie na
nie nie odpowiada.</translation>
    </message>
    <message>
        <source>Usage: zentrictl defaults IP --yes

Sends the restore defaults command: the device returns all its settings to their defaults. Nothing
is sent without --yes. The device does not answer it.</source>
        <translation>Użycie: zentrictl defaults IP --yes

Wysyła polecenie przywrócenia ustawień domyślnych: urządzenie przywraca wszystkie swoje ustawienia do
wartości domyślnych. Bez --yes nic nie jest wysyłane. Urządzenie na nie nie odpowiada.</translation>
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
        <translation>Użycie: zentrictl status URL [--json] [--wait MS]

Czyta /api/status działającej usługi zentri-watch (URL w rodzaju http://127.0.0.1:7880) i wypisuje
takie wiersze jak „rig check”: stan, MAC, nazwę, IP i różnice każdego urządzenia, rozdzielone
tabulatorami. Nie wysyła nic do urządzeń i nie potrzebuje portu UDP, więc działa obok usługi. --json
wypisuje obiekty urządzeń usługi (mac, name, ip, state, watch, last_seen, sd_card, differences).
--wait to czas oczekiwania na usługę (domyślnie 2000 ms).
Kod wyjścia 0, gdy każde urządzenie jest zgodne, a plik rigu usługi został odczytany; 1 w przeciwnym
razie albo gdy usługa nie odpowiada; 2 przy błędnym URL.</translation>
    </message>
    <message>
        <source>Usage: zentrictl sd IP [--wait MS]

Asks the device whether a memory card is in its slot and prints &quot;SD CARD OK&quot; or &quot;NO SD CARD&quot;.
Exits 1 when the device did not answer within MS milliseconds (default 2000).</source>
        <translation>Użycie: zentrictl sd IP [--wait MS]

Pyta urządzenie, czy w gnieździe jest karta pamięci, i wypisuje „SD CARD OK” albo „NO SD CARD”.
Kod wyjścia 1, gdy urządzenie nie odpowiedziało w ciągu MS milisekund (domyślnie 2000).</translation>
    </message>
</context>
<context>
    <name>zentri::ctl::Rig</name>
    <message>
        <source>&quot;%1&quot; is not a MAC like 02:5A:45:00:00:01</source>
        <translation>„%1” nie jest adresem MAC w rodzaju 02:5A:45:00:00:01</translation>
    </message>
    <message>
        <source>address %1</source>
        <translation>adres %1</translation>
    </message>
    <message>
        <source>nothing sent: add --yes, or answer yes on a terminal</source>
        <translation>nic nie wysłano: dodaj --yes albo odpowiedz „tak” w terminalu</translation>
    </message>
    <message>
        <source>no device answered within %1 ms; no rig written</source>
        <translation>żadne urządzenie nie odpowiedziało w ciągu %1 ms; nie zapisano rigu</translation>
    </message>
    <message>
        <source>--mac: %1 is not in the rig</source>
        <translation>--mac: %1 nie należy do rigu</translation>
    </message>
    <message>
        <source>nothing to send: every device chosen is in sync</source>
        <translation>nie ma czego wysłać: każde wybrane urządzenie jest zgodne z rigiem</translation>
    </message>
    <message numerus="yes">
        <source>Send the rig&apos;s configuration to %n device(s)?</source>
        <translation>
            <numerusform>Wysłać konfigurację rigu do %n urządzenia?</numerusform>
            <numerusform>Wysłać konfigurację rigu do %n urządzeń?</numerusform>
            <numerusform>Wysłać konfigurację rigu do %n urządzeń?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not in the rig</source>
        <translation>%1 nie należy do rigu</translation>
    </message>
    <message>
        <source>%1 is in the rig already</source>
        <translation>%1 jest już w rigu</translation>
    </message>
    <message>
        <source>%1; nothing sent</source>
        <translation>%1; nic nie wysłano</translation>
    </message>
    <message>
        <source>%1: %2; nothing sent</source>
        <translation>%1: %2; nic nie wysłano</translation>
    </message>
    <message>
        <source>Send %1&apos;s configuration to %2?</source>
        <translation>Wysłać konfigurację %1 do %2?</translation>
    </message>
    <message>
        <source>%1 was not changed</source>
        <translation>plik %1 nie został zmieniony</translation>
    </message>
    <message>
        <source>seconds from %1 to %2</source>
        <translation>sekund od %1 do %2</translation>
    </message>
    <message>
        <source>polls</source>
        <translation>odpytań</translation>
    </message>
    <message>
        <source>watch takes no plain argument; see zentrictl watch --help</source>
        <translation>watch nie przyjmuje argumentów bez opcji; zobacz zentrictl watch --help</translation>
    </message>
    <message>
        <source>--json and --csv cannot go together</source>
        <translation>--json i --csv nie mogą wystąpić razem</translation>
    </message>
    <message>
        <source>patch takes no plain argument; see zentrictl patch --help</source>
        <translation>patch nie przyjmuje argumentów bez opcji; zobacz zentrictl patch --help</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a URL like http://127.0.0.1:7880</source>
        <translation>„%1” nie jest adresem URL w rodzaju http://127.0.0.1:7880</translation>
    </message>
    <message>
        <source>%1: not the status of a zentri-watch service</source>
        <translation>%1: to nie jest stan usługi zentri-watch</translation>
    </message>
    <message>
        <source>the service&apos;s rig file was refused: %1 (the last good rig is watched)</source>
        <translation>usługa odrzuciła plik rigu: %1 (obserwowany jest ostatni poprawny rig)</translation>
    </message>
</context>
<context>
    <name>zentri::ctl::Session</name>
    <message>
        <source>%1 did not answer</source>
        <translation>%1 nie odpowiedziało</translation>
    </message>
    <message>
        <source>cannot receive replies on UDP port %1: %2</source>
        <translation>nie można odbierać odpowiedzi na porcie UDP %1: %2</translation>
    </message>
    <message>
        <source>cannot receive replies on UDP port %1: %2 (is the Zentri manager running?)</source>
        <translation>nie można odbierać odpowiedzi na porcie UDP %1: %2 (czy działa Zentri manager?)</translation>
    </message>
    <message>
        <source>discovery request not sent: %1</source>
        <translation>nie wysłano zapytania wyszukiwania: %1</translation>
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
        <translation>%1: brak takiego interfejsu sieciowego, który jest aktywny i obsługuje rozgłaszanie</translation>
    </message>
    <message>
        <source>no network interface is up and can broadcast</source>
        <translation>żaden interfejs sieciowy nie jest aktywny i nie obsługuje rozgłaszania</translation>
    </message>
</context>
<context>
    <name>zentri::fields</name>
    <message>
        <source>Trigger destination IP</source>
        <translation>Docelowy IP wyzwalaczy</translation>
    </message>
    <message>
        <source>Trigger %1 Art-Net NET</source>
        <translation>Wyzwalacz %1 Art-Net NET</translation>
    </message>
    <message>
        <source>Trigger %1 Art-Net universe</source>
        <translation>Wyzwalacz %1 Art-Net universe</translation>
    </message>
    <message>
        <source>Trigger %1 channel</source>
        <translation>Wyzwalacz %1 kanał</translation>
    </message>
    <message>
        <source>Trigger %1 function</source>
        <translation>Wyzwalacz %1 funkcja</translation>
    </message>
    <message>
        <source>Trigger %1 catalog</source>
        <translation>Wyzwalacz %1 katalog</translation>
    </message>
    <message>
        <source>Trigger %1 file</source>
        <translation>Wyzwalacz %1 plik</translation>
    </message>
    <message>
        <source>Trigger %1 volume</source>
        <translation>Wyzwalacz %1 głośność</translation>
    </message>
    <message>
        <source>Play button interrupts the trigger</source>
        <translation>Przycisk odtwarzania przerywa wyzwalacz</translation>
    </message>
    <message>
        <source>Output %1 Art-Net NET</source>
        <translation>Wyjście %1 Art-Net NET</translation>
    </message>
    <message>
        <source>Output %1 Art-Net universe</source>
        <translation>Wyjście %1 Art-Net universe</translation>
    </message>
    <message>
        <source>Output %1 channel</source>
        <translation>Wyjście %1 kanał</translation>
    </message>
    <message>
        <source>Output %1 PWM</source>
        <translation>Wyjście %1 PWM</translation>
    </message>
    <message>
        <source>Audio player Art-Net NET</source>
        <translation>Odtwarzacz audio Art-Net NET</translation>
    </message>
    <message>
        <source>Audio player Art-Net universe</source>
        <translation>Odtwarzacz audio Art-Net universe</translation>
    </message>
    <message>
        <source>Audio player catalog channel</source>
        <translation>Kanał katalogu odtwarzacza audio</translation>
    </message>
    <message>
        <source>Audio player file channel</source>
        <translation>Kanał pliku odtwarzacza audio</translation>
    </message>
    <message>
        <source>Audio player volume channel</source>
        <translation>Kanał głośności odtwarzacza audio</translation>
    </message>
    <message>
        <source>Audio player state channel</source>
        <translation>Kanał stanu odtwarzacza audio</translation>
    </message>
    <message>
        <source>Audio player bass channel</source>
        <translation>Kanał basów odtwarzacza audio</translation>
    </message>
    <message>
        <source>Audio player treble channel</source>
        <translation>Kanał sopranów odtwarzacza audio</translation>
    </message>
    <message>
        <source>Audio player play loop</source>
        <translation>Odtwarzacz audio w pętli</translation>
    </message>
    <message>
        <source>Input source</source>
        <translation>Źródło wejścia</translation>
    </message>
    <message>
        <source>Trigger destination IP byte %1</source>
        <translation>Docelowy IP wyzwalaczy, bajt %1</translation>
    </message>
    <message>
        <source>DMX output Art-Net NET</source>
        <translation>Wyjście DMX Art-Net NET</translation>
    </message>
    <message>
        <source>DMX output Art-Net universe</source>
        <translation>Wyjście DMX Art-Net universe</translation>
    </message>
    <message>
        <source>Module version</source>
        <translation>Wersja modułu</translation>
    </message>
    <message>
        <source>Master volume</source>
        <translation>Głośność główna</translation>
    </message>
    <message>
        <source>Play after power-on</source>
        <translation>Odtwarzanie po włączeniu</translation>
    </message>
    <message>
        <source>Blackout at the end of the show</source>
        <translation>Blackout na końcu pokazu</translation>
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
        <translation>%1 B</translation>
    </message>
    <message>
        <source>cannot read %1: no such file</source>
        <translation>nie można odczytać %1: brak takiego pliku</translation>
    </message>
    <message>
        <source>cannot read %1: it is not a regular file</source>
        <translation>nie można odczytać %1: to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 such a file may have; nothing was read</source>
        <translation>%1 jest większy niż dopuszczalne %2 dla takiego pliku; nic nie odczytano</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: it is not a regular file</source>
        <translation>nie można zapisać %1: to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>cannot write %1: the file is read-only</source>
        <translation>nie można zapisać %1: plik jest tylko do odczytu</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
</context>
<context>
    <name>zentri::portholder</name>
    <message>
        <source>held by the zentri-watch service; stop it with: systemctl stop zentri-watch</source>
        <translation>zajęty przez usługę zentri-watch; zatrzymaj ją poleceniem: systemctl stop zentri-watch</translation>
    </message>
</context>
<context>
    <name>zentri::rig::Confirmation</name>
    <message>
        <source>%1 sent %2, reported %3</source>
        <translation>%1 wysłano %2, zgłoszono %3</translation>
    </message>
    <message>
        <source>it reports other settings: %1</source>
        <translation>zgłasza inne ustawienia: %1</translation>
    </message>
    <message>
        <source>it did not answer</source>
        <translation>nie odpowiedziało</translation>
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
        <translation>dodano do rigu</translation>
    </message>
    <message>
        <source>The rig entry of %1 was not changed.</source>
        <translation>Wpis rigu dla %1 nie został zmieniony.</translation>
    </message>
    <message>
        <source>The rig entry &quot;%1&quot; is now the device %2 (was %3); save the rig to keep it.</source>
        <translation>Wpis rigu „%1” to teraz urządzenie %2 (było %3); zapisz rig, aby to zachować.</translation>
    </message>
    <message>
        <source>The rig&apos;s entries took the new addresses (%1); save the rig to keep them.</source>
        <translation>Wpisy rigu przyjęły nowe adresy (%1); zapisz rig, aby je zachować.</translation>
    </message>
</context>
<context>
    <name>zentri::rig::Engine</name>
    <message>
        <source>not sent</source>
        <translation>nie wysłano</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>wysłano</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>potwierdzono</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>niepotwierdzone</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>zastąpiono</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>dla %1</translation>
    </message>
</context>
<context>
    <name>zentri::rig::File</name>
    <message>
        <source>The rig file was refused; nothing was changed or sent: %1.</source>
        <translation>Plik rigu odrzucono; nic nie zmieniono ani nie wysłano: %1.</translation>
    </message>
    <message>
        <source>it is not a Zentri rig: %1</source>
        <translation>to nie jest rig Zentri: %1</translation>
    </message>
    <message>
        <source>it is not a Zentri rig: its &quot;%1&quot; is not &quot;%2&quot;</source>
        <translation>to nie jest rig Zentri: jego „%1” nie jest „%2”</translation>
    </message>
    <message>
        <source>its %1 is missing or not a format version</source>
        <translation>brak %1 lub nie jest to wersja formatu</translation>
    </message>
    <message>
        <source>its %1 is %2, newer than this program reads (%3)</source>
        <translation>jego %1 to %2, nowsza niż obsługuje ten program (%3)</translation>
    </message>
    <message>
        <source>it holds the key &quot;%1&quot;, which a rig does not have</source>
        <translation>zawiera klucz „%1”, którego rig nie ma</translation>
    </message>
    <message>
        <source>it lacks the field %1</source>
        <translation>brakuje w nim pola %1</translation>
    </message>
    <message>
        <source>its %1 is not a text</source>
        <translation>jego %1 nie jest tekstem</translation>
    </message>
    <message>
        <source>its %1 is not a list</source>
        <translation>jego %1 nie jest listą</translation>
    </message>
    <message>
        <source>an element of %1 is not a text</source>
        <translation>element %1 nie jest tekstem</translation>
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
        <translation>%1 nie jest obiektem</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a MAC like 02:5A:45:00:00:01</source>
        <translation>%1: „%2” nie jest adresem MAC w rodzaju 02:5A:45:00:00:01</translation>
    </message>
    <message>
        <source>%1: the MAC %2 stands in an earlier entry too</source>
        <translation>%1: MAC %2 występuje też we wcześniejszym wpisie</translation>
    </message>
</context>
<context>
    <name>zentri::rig::Patch</name>
    <message>
        <source>Output %1 (PWM)</source>
        <translation>Wyjście %1 (PWM)</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Wyjście %1</translation>
    </message>
    <message>
        <source>Audio player %1</source>
        <translation>Odtwarzacz audio %1</translation>
    </message>
    <message>
        <source>DMX output (whole universe)</source>
        <translation>Wyjście DMX (całe universe)</translation>
    </message>
    <message>
        <source>Trigger %1 to %2</source>
        <translation>Wyzwalacz %1 do %2</translation>
    </message>
    <message>
        <source>all</source>
        <translation>wszystkie</translation>
    </message>
    <message>
        <source>error</source>
        <translation>błąd</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>ostrzeżenie</translation>
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
        <translation>Adres %1 odpowiada %2 adresami MAC (%3): polecenia wysłane na niego trafiają do urządzenia, którego nie da się odróżnić.</translation>
    </message>
    <message>
        <source>The MAC %1 stands on %2 devices: they cannot be told apart in a rig.</source>
        <translation>MAC %1 ma %2 urządzeń: w rigu nie da się ich odróżnić.</translation>
    </message>
    <message>
        <source>%1 is patched to channel %2, outside 1..512: it follows nothing a desk sends.</source>
        <translation>%1 ma kanał %2, poza 1..512: nie reaguje na nic, co wysyła konsoleta.</translation>
    </message>
    <message>
        <source>%1 triggers send to %2 on NET %3, universe %4, channel %5: each overwrites the other&apos;s value.</source>
        <translation>%1 wyzwalacze wysyłają do %2 na NET %3, universe %4, kanał %5: każdy nadpisuje wartość pozostałych.</translation>
    </message>
    <message>
        <source>%1 audio player functions of one device follow channel %2: one value drives them all.</source>
        <translation>%1 funkcje odtwarzacza audio jednego urządzenia słuchają kanału %2: jedna wartość steruje nimi wszystkimi.</translation>
    </message>
    <message>
        <source>An output and an audio player function of one device follow channel %1: the audio player changes whenever the output does.</source>
        <translation>Wyjście i funkcja odtwarzacza audio jednego urządzenia słuchają kanału %1: odtwarzacz zmienia się za każdym razem, gdy zmienia się wyjście.</translation>
    </message>
    <message>
        <source>%1 sends to 0.0.0.0: its trigger reaches nobody.</source>
        <translation>%1 wysyła do 0.0.0.0: jego wyzwalacz nie dociera do nikogo.</translation>
    </message>
    <message>
        <source>%1 sends to %2, outside every subnet of this PC: check that it is reachable.</source>
        <translation>%1 wysyła do %2, poza każdą podsiecią tego komputera: sprawdź, czy jest osiągalny.</translation>
    </message>
    <message>
        <source>%1 devices are named &quot;%2&quot;: people will mistake one for another.</source>
        <translation>%1 urządzenia nazywają się „%2”: łatwo je pomylić.</translation>
    </message>
    <message>
        <source>The rig runs %1 firmware versions (%2): devices may behave differently.</source>
        <translation>W rigu działają %1 wersje firmware (%2): urządzenia mogą zachowywać się różnie.</translation>
    </message>
    <message>
        <source>Start at a channel of 1..512, with at least one channel per device.</source>
        <translation>Zacznij od kanału z zakresu 1..512, z co najmniej jednym kanałem na urządzenie.</translation>
    </message>
    <message>
        <source>%1 (%2) would take channels %3 to %4, past channel 512: nothing is readdressed. Start lower, or give fewer channels per device.</source>
        <translation>%1 (%2) zająłby kanały od %3 do %4, poza kanałem 512: nie zmieniono żadnych adresów. Zacznij niżej albo daj mniej kanałów na urządzenie.</translation>
    </message>
    <message>
        <source>%1 (%2) has a Standard module, whose Art-Net NET and universe cannot be changed (%3): nothing is readdressed. Start in its own NET and universe.</source>
        <translation>%1 (%2) ma moduł Standard, którego NET i universe Art-Net nie da się zmienić (%3): nie zmieniono żadnych adresów. Zacznij w jego własnym NET i universe.</translation>
    </message>
</context>
<context>
    <name>zentri::rig::Plan</name>
    <message>
        <source>firmware %1: %2</source>
        <translation>firmware %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) change</source>
        <translation>
            <numerusform>zmienia się %n ustawienie</numerusform>
            <numerusform>zmieniają się %n ustawienia</numerusform>
            <numerusform>zmienia się %n ustawień</numerusform>
        </translation>
    </message>
    <message>
        <source> (%1 of them not offered by the windows for its Standard module)</source>
        <translation> (%1 z nich okna nie oferują dla jego modułu Standard)</translation>
    </message>
    <message>
        <source>not in the rig</source>
        <translation>spoza rigu</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>%1 is not in the rig</source>
        <translation>%1 nie należy do rigu</translation>
    </message>
    <message>
        <source>%1 is in the rig already</source>
        <translation>%1 jest już w rigu</translation>
    </message>
    <message>
        <source>%1 (%2) answered: it is %3, not missing</source>
        <translation>%1 (%2) odpowiedziało: jest w stanie %3, nie brakuje go</translation>
    </message>
    <message>
        <source>%1 did not answer</source>
        <translation>%1 nie odpowiedziało</translation>
    </message>
    <message>
        <source>%1 is %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>The rig&apos;s entries cannot take these addresses: %1</source>
        <translation>Wpisy rigu nie mogą przyjąć tych adresów: %1</translation>
    </message>
</context>
<context>
    <name>zentri::rig::Report</name>
    <message>
        <source>Written %1</source>
        <translation>Utworzono %1</translation>
    </message>
    <message>
        <source>Devices: %1. Uses: %2. Errors: %3. Warnings: %4.</source>
        <translation>Urządzenia: %1. Użycia: %2. Błędy: %3. Ostrzeżenia: %4.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Urządzenia</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
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
        <translation>Moduł</translation>
    </message>
    <message>
        <source>SD card</source>
        <translation>Karta SD</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Wejście</translation>
    </message>
    <message>
        <source>found</source>
        <translation>znaleziono</translation>
    </message>
    <message>
        <source>Conflicts</source>
        <translation>Konflikty</translation>
    </message>
    <message>
        <source>None: every use is sound.</source>
        <translation>Brak: każde użycie jest poprawne.</translation>
    </message>
    <message>
        <source>Devices: %1</source>
        <translation>Urządzenia: %1</translation>
    </message>
    <message>
        <source>Elements: %1</source>
        <translation>Elementy: %1</translation>
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
        <translation>Kanał</translation>
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
        <translation>zgodny</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>różni się</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>not in rig</source>
        <translation>spoza rigu</translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation>duplikat</translation>
    </message>
    <message>
        <source>present</source>
        <translation>jest</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>nie pytano</translation>
    </message>
    <message>
        <source>%1: rig %2, device %3</source>
        <translation>%1: rig %2, urządzenie %3</translation>
    </message>
    <message>
        <source>%1 answers from %2: one device reached twice</source>
        <translation>%1 odpowiada z %2: jedno urządzenie osiągnięte dwa razy</translation>
    </message>
    <message>
        <source>answers from %1: two or more devices with one MAC</source>
        <translation>odpowiedzi z %1: dwa lub więcej urządzeń z jednym MAC</translation>
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
        <translation>pominięty</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nowe</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>zmienione</translation>
    </message>
    <message>
        <source>back online</source>
        <translation>znów online</translation>
    </message>
    <message>
        <source>SD card inserted</source>
        <translation>Włożono kartę SD</translation>
    </message>
    <message>
        <source>SD card removed</source>
        <translation>Wyjęto kartę SD</translation>
    </message>
</context>
<context>
    <name>zentri::setup::ConfigWindow</name>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Zapisz i zamknij</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
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
        <translation>%1 universe</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 kanał</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
</context>
<context>
    <name>zentri::strictjson</name>
    <message>
        <source>a number</source>
        <translation>liczba</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>tekst</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true lub false</translation>
    </message>
    <message>
        <source>null</source>
        <translation>null</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>lista</translation>
    </message>
    <message>
        <source>something else</source>
        <translation>coś innego</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is given twice at the top level</source>
        <translation>klucz „%1” występuje dwa razy na najwyższym poziomie</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is given twice in %2</source>
        <translation>klucz „%1” występuje dwa razy w %2</translation>
    </message>
    <message>
        <source>it holds %1, not a JSON object</source>
        <translation>zawiera %1, a nie obiekt JSON</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at byte %2)</source>
        <translation>to nie jest JSON (%1 w bajcie %2)</translation>
    </message>
    <message>
        <source>it holds a list, not a JSON object</source>
        <translation>zawiera listę, a nie obiekt JSON</translation>
    </message>
</context>
<context>
    <name>zentri::udp</name>
    <message>
        <source>Sending to %1 is not allowed.</source>
        <translation>Wysyłanie do %1 jest niedozwolone.</translation>
    </message>
    <message>
        <source>The socket is not open.</source>
        <translation>Gniazdo nie jest otwarte.</translation>
    </message>
    <message>
        <source>The address is not an IPv4 address.</source>
        <translation>Adres nie jest adresem IPv4.</translation>
    </message>
    <message>
        <source>The bound address is already in use</source>
        <translation>Powiązany adres jest już w użyciu</translation>
    </message>
    <message>
        <source>The address is protected</source>
        <translation>Adres jest chroniony</translation>
    </message>
    <message>
        <source>The address is not available</source>
        <translation>Adres jest niedostępny</translation>
    </message>
    <message>
        <source>Network unreachable</source>
        <translation>Sieć nieosiągalna</translation>
    </message>
</context>
<context>
    <name>zentri::ui</name>
    <message>
        <source>Zentri manager</source>
        <translation>Zentri manager</translation>
    </message>
</context>
<context>
    <name>zentri::wire</name>
    <message>
        <source>not recognized</source>
        <translation>nierozpoznana</translation>
    </message>
</context>
</TS>
