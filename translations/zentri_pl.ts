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
