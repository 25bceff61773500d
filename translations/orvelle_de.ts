<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AnswerHistory</name>
    <message>
        <source>The answer history %1 cannot be read</source>
        <translation>Der Antwortverlauf %1 lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>The history cannot be written: the disk is full. Your answers are kept and will be written when space is free.</source>
        <translation>Der Verlauf kann nicht geschrieben werden: Der Datenträger ist voll. Deine Antworten bleiben erhalten und werden geschrieben, sobald wieder Platz ist.</translation>
    </message>
    <message>
        <source>The history cannot be written: its file or folder is read-only. Your answers are kept and will be written when it can be.</source>
        <translation>Der Verlauf kann nicht geschrieben werden: Seine Datei oder sein Ordner ist schreibgeschützt. Deine Antworten bleiben erhalten und werden geschrieben, sobald es geht.</translation>
    </message>
    <message>
        <source>The history cannot be written: another program is using it. Your answers are kept and will be written when it is free.</source>
        <translation>Der Verlauf kann nicht geschrieben werden: Ein anderes Programm verwendet ihn. Deine Antworten bleiben erhalten und werden geschrieben, sobald er frei ist.</translation>
    </message>
    <message>
        <source>The history cannot be written just now. Your answers are kept and will be written when it can be.</source>
        <translation>Der Verlauf kann gerade nicht geschrieben werden. Deine Antworten bleiben erhalten und werden geschrieben, sobald es geht.</translation>
    </message>
    <message>
        <source>The answer history was written by a newer version of Orvelle; it is left as it is, and this version trains without recording answers.</source>
        <translation>Der Antwortverlauf stammt von einer neueren Version von Orvelle; er bleibt unverändert, und diese Version übt, ohne Antworten aufzuzeichnen.</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be started; training goes on without recording answers.</source>
        <translation>Der Antwortverlauf %1 lässt sich nicht anlegen; das Üben geht weiter, ohne Antworten aufzuzeichnen.</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged and cannot be set aside; it is kept as it is, and training goes on without recording answers.</source>
        <translation>Der Antwortverlauf %1 ist beschädigt und lässt sich nicht beiseitelegen; er bleibt unverändert, und das Üben geht weiter, ohne Antworten aufzuzeichnen.</translation>
    </message>
    <message>
        <source>The answer history was damaged and set aside as %1, but %2 cannot be moved; training goes on without recording answers.</source>
        <translation>Der Antwortverlauf war beschädigt und wurde als %1 beiseitegelegt, aber %2 lässt sich nicht verschieben; das Üben geht weiter, ohne Antworten aufzuzeichnen.</translation>
    </message>
    <message>
        <source>The answer history was damaged; it was set aside as %1 and a new one started. The statistics window can recover its answers.</source>
        <translation>Der Antwortverlauf war beschädigt; er wurde als %1 beiseitegelegt und ein neuer begonnen. Im Statistikfenster lassen sich seine Antworten wiederherstellen.</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>%1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>%1 cannot be read at all</source>
        <translation>%1 lässt sich überhaupt nicht lesen</translation>
    </message>
    <message>
        <source>the history cannot be written: %1</source>
        <translation>der Verlauf kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Orvelle cannot play notes and has to stop: %1</source>
        <translation>Orvelle kann keine Töne spielen und muss beendet werden: %1</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (Fehler %2)</translation>
    </message>
</context>
<context>
    <name>Arrow</name>
    <message>
        <source>Previous page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
</context>
<context>
    <name>ClassStrip</name>
    <message>
        <source>octave %1</source>
        <translation>Oktave %1</translation>
    </message>
</context>
<context>
    <name>ColorSwitch</name>
    <message>
        <source>Color hint</source>
        <translation>Farbhilfe</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Orvelle needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set)</source>
        <translation>Orvelle braucht eine grafische Oberfläche (DISPLAY oder WAYLAND_DISPLAY ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>orvelle: %1
Try &apos;orvelle --help&apos;.
</source>
        <translation>orvelle: %1
Siehe „orvelle --help“.
</translation>
    </message>
    <message>
        <source>orvelle: unexpected argument &apos;%1&apos;
Try &apos;orvelle --help&apos;.
</source>
        <translation>orvelle: unerwartetes Argument „%1“
Siehe „orvelle --help“.
</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n answers to standard output</source>
        <translation>
            <numerusform>%n Antwort in die Standardausgabe geschrieben</numerusform>
            <numerusform>%n Antworten in die Standardausgabe geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n answers to %1</source>
        <translation>
            <numerusform>%n Antwort nach %1 geschrieben</numerusform>
            <numerusform>%n Antworten nach %1 geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>the answer history %1 cannot be read</source>
        <translation>der Antwortverlauf %1 lässt sich nicht lesen</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n pitch test trials to %1</source>
        <translation>
            <numerusform>%n Durchgang der Tests des absoluten Gehörs nach %1 geschrieben</numerusform>
            <numerusform>%n Durchgänge der Tests des absoluten Gehörs nach %1 geschrieben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConfusionMatrix</name>
    <message>
        <source>answered →</source>
        <translation>geantwortet →</translation>
    </message>
</context>
<context>
    <name>Core::MidiOutSynthDevice</name>
    <message>
        <source>the synthesizer could not be started; notes will be silent</source>
        <translation>der Synthesizer ließ sich nicht starten; die Töne bleiben stumm</translation>
    </message>
    <message>
        <source>no General MIDI soundfont found (looked for %1); notes will be silent</source>
        <translation>keine General-MIDI-SoundFont gefunden (gesucht: %1); die Töne bleiben stumm</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>audio output is unavailable (no sound server or sound card); notes will be silent</source>
        <translation>keine Audioausgabe verfügbar (kein Soundserver und keine Soundkarte); die Töne bleiben stumm</translation>
    </message>
    <message>
        <source>rendering offline with %1</source>
        <translation>Wiedergabe ohne Ausgabe mit %1</translation>
    </message>
    <message>
        <source>playing %1 through %2</source>
        <translation>spielt %1 über %2</translation>
    </message>
</context>
<context>
    <name>Core::Timer</name>
    <message>
        <source>Error starting timer</source>
        <translation>Der Timer lässt sich nicht starten</translation>
    </message>
</context>
<context>
    <name>Course</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>gesperrt</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>im Lernen</translation>
    </message>
    <message>
        <source>secure</source>
        <translation>sicher</translation>
    </message>
    <message>
        <source>mastered</source>
        <translation>gemeistert</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 %2 → %3</source>
        <translation>%1 %2 → %3</translation>
    </message>
    <message>
        <source>No note changed its state.</source>
        <translation>Kein Ton hat seinen Stand geändert.</translation>
    </message>
    <message>
        <source>Answer within %1 s to count as fast (%2 s before).</source>
        <translation>Antworte binnen %1 s, damit es als schnell zählt (vorher %2 s).</translation>
    </message>
    <message>
        <source>Answer within %1 s to count as fast.</source>
        <translation>Antworte binnen %1 s, damit es als schnell zählt.</translation>
    </message>
    <message>
        <source>All twelve notes are in the course.</source>
        <translation>Alle zwölf Töne sind im Kurs.</translation>
    </message>
    <message>
        <source>%1 comes next.</source>
        <translation>Als Nächstes kommt %1.</translation>
    </message>
    <message>
        <source>%1 comes next, once %2 are secure.</source>
        <translation>Als Nächstes kommt %1, sobald %2 sicher sind.</translation>
    </message>
    <message>
        <source>%1 comes next, once %2 is secure.</source>
        <translation>Als Nächstes kommt %1, sobald %2 sicher ist.</translation>
    </message>
    <message>
        <source>Round %1: %2 of %3 right</source>
        <translation>Runde %1: %2 von %3 richtig</translation>
    </message>
    <message numerus="yes">
        <source>You hear %1 as %2: %n times</source>
        <translation>
            <numerusform>Du hörst %1 als %2: einmal</numerusform>
            <numerusform>Du hörst %1 als %2: %n-mal</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceBox</name>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>MIDI keyboards</source>
        <translation>MIDI-Keyboards</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Sound output</source>
        <translation>Klangausgabe</translation>
    </message>
</context>
<context>
    <name>DeviceChoice</name>
    <message>
        <source>(unnamed port)</source>
        <translation>(Anschluss ohne Namen)</translation>
    </message>
    <message>
        <source>All MIDI keyboards</source>
        <translation>Alle MIDI-Keyboards</translation>
    </message>
    <message>
        <source>Built-in synthesizer</source>
        <translation>Eingebauter Synthesizer</translation>
    </message>
    <message>
        <source>First MIDI output</source>
        <translation>Erster MIDI-Ausgang</translation>
    </message>
    <message>
        <source>No MIDI found</source>
        <translation>Kein MIDI gefunden</translation>
    </message>
    <message>
        <source>%1 (cannot open)</source>
        <translation>%1 (lässt sich nicht öffnen)</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (nicht angeschlossen)</translation>
    </message>
    <message>
        <source>Using the %1 keyboard device</source>
        <translation>MIDI-Keyboard %1 wird verwendet</translation>
    </message>
</context>
<context>
    <name>ErrorKindsChart</name>
    <message>
        <source>Wrong answers by kind</source>
        <translation>Falsche Antworten nach Art</translation>
    </message>
    <message>
        <source>share of wrong answers</source>
        <translation>Anteil der falschen Antworten</translation>
    </message>
</context>
<context>
    <name>FeedbackLine</name>
    <message>
        <source>You played %1 — it was %2</source>
        <translation>Du hast %1 gespielt – es war %2</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Farbhilfe</translation>
    </message>
</context>
<context>
    <name>HeatMap</name>
    <message>
        <source>%1: never asked</source>
        <translation>%1: nie gefragt</translation>
    </message>
    <message>
        <source>%1: %2 of %3 right (%4)</source>
        <translation>%1: %2 von %3 richtig (%4)</translation>
    </message>
    <message>
        <source>100 % right</source>
        <translation>100 % richtig</translation>
    </message>
    <message>
        <source>never asked</source>
        <translation>nie gefragt</translation>
    </message>
    <message>
        <source>Point at a key to see its answers.</source>
        <translation>Zeige auf eine Taste, um ihre Antworten zu sehen.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvelle is software for developing absolute pitch, also called perfect pitch: the ability to recognise a note by ear alone, without a reference tone. For a musician it is a precious skill, because the sound you hear in your mind leads straight to the right note on your instrument. Absolute pitch is not only a gift you are born with. It can be developed over time with the right method, and Orvelle is built on that method.</source>
        <translation>Orvelle ist ein Programm zur Entwicklung des absoluten Gehörs: der Fähigkeit, einen Ton allein nach dem Gehör zu erkennen, ohne Bezugston. Für Musiker ist das eine kostbare Gabe, denn der Klang, den du im Kopf hörst, führt dich direkt zum richtigen Ton auf deinem Instrument. Das absolute Gehör ist nicht nur angeboren. Mit der richtigen Methode lässt es sich mit der Zeit entwickeln, und auf dieser Methode beruht Orvelle.</translation>
    </message>
    <message>
        <source>You begin with a single note, played equally often in all octaves of the piano. Orvelle follows your answers, and when you are ready it adds a second note, then a third, until all 12 notes of the chromatic scale are played across every octave. If you prefer, you can choose yourself how many notes are played by clicking a level above the progress strip.</source>
        <translation>Du beginnst mit einem einzigen Ton, der in allen Oktaven des Klaviers gleich oft erklingt. Orvelle verfolgt deine Antworten und nimmt, sobald du so weit bist, einen zweiten Ton hinzu, dann einen dritten, bis alle 12 Töne der chromatischen Tonleiter in jeder Oktave gespielt werden. Wenn du möchtest, kannst du selbst wählen, wie viele Töne gespielt werden: Klicke dazu auf eine Stufe über dem Fortschrittsbalken.</translation>
    </message>
    <message>
        <source>Colour can help you memorise the sound of a tone. When the colour hint is switched on, the window takes on the colour of each note while it is played, so that every note gets a face of its own.</source>
        <translation>Farben können helfen, sich den Klang eines Tons einzuprägen. Ist die Farbhilfe eingeschaltet, nimmt das Fenster die Farbe jedes Tons an, solange er klingt, sodass jeder Ton sein eigenes Gesicht bekommt.</translation>
    </message>
    <message>
        <source>To answer, click the right key with the mouse on the keyboard at the bottom of the window. You can also plug a MIDI keyboard into your computer by USB: its keys count exactly like clicks on the keyboard on the screen. Only the exact key counts, octave included.</source>
        <translation>Zum Antworten klickst du mit der Maus auf die richtige Taste der Klaviatur unten im Fenster. Du kannst auch ein MIDI-Keyboard per USB an deinen Computer anschließen: Seine Tasten zählen genau wie Klicks auf die Klaviatur am Bildschirm. Es zählt nur die genaue Taste, samt Oktave.</translation>
    </message>
    <message>
        <source>The way to absolute pitch</source>
        <translation>Der Weg zum absoluten Gehör</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Farbhilfe</translation>
    </message>
    <message>
        <source>Midi and graphical keyboard</source>
        <translation>MIDI- und Bildschirmklaviatur</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close help</source>
        <translation>Hilfe schließen</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Don&apos;t show this anymore at programm startup</source>
        <translation>Beim Programmstart nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Besuche unsere Website</translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>The answer history %1 cannot be read</source>
        <translation>Der Antwortverlauf %1 lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 is one of Orvelle&apos;s own files; the export does not write over it</source>
        <translation>%1 ist eine von Orvelles eigenen Dateien; der Export überschreibt sie nicht</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1</source>
        <translation>Die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Standard output</source>
        <translation>Standardausgabe</translation>
    </message>
</context>
<context>
    <name>HistoryRecovery</name>
    <message>
        <source>Not recovered: %1.</source>
        <translation>Nicht wiederhergestellt: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers recovered; %1 could not be read.</source>
        <translation>
            <numerusform>%n Antwort wiederhergestellt; %1 ließen sich nicht lesen.</numerusform>
            <numerusform>%n Antworten wiederhergestellt; %1 ließen sich nicht lesen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answers recovered.</source>
        <translation>
            <numerusform>%n Antwort wiederhergestellt.</numerusform>
            <numerusform>%n Antworten wiederhergestellt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n finished pitch tests recovered.</source>
        <translation>
            <numerusform>%n abgeschlossener Test des absoluten Gehörs wiederhergestellt.</numerusform>
            <numerusform>%n abgeschlossene Tests des absoluten Gehörs wiederhergestellt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InstrumentSettings</name>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Each question is played on one of the ticked instruments, at random.</source>
        <translation>Jede Frage erklingt auf einem zufällig gewählten der angekreuzten Instrumente.</translation>
    </message>
    <message>
        <source>The questions are played on this instrument.</source>
        <translation>Die Fragen erklingen auf diesem Instrument.</translation>
    </message>
    <message>
        <source>Vary the instrument</source>
        <translation>Instrument wechseln</translation>
    </message>
    <message>
        <source>Reference pitch</source>
        <translation>Stimmton</translation>
    </message>
    <message>
        <source>Lower the reference pitch</source>
        <translation>Stimmton tiefer</translation>
    </message>
    <message>
        <source>Raise the reference pitch</source>
        <translation>Stimmton höher</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>440 Hz is concert pitch; 415 Hz is usual for baroque music, 442 to 446 Hz for many orchestras.</source>
        <translation>440 Hz ist der Kammerton; 415 Hz ist in der Barockmusik üblich, 442 bis 446 Hz in vielen Orchestern.</translation>
    </message>
    <message>
        <source>%1 = %2 Hz</source>
        <translation>%1 = %2 Hz</translation>
    </message>
</context>
<context>
    <name>Instruments</name>
    <message>
        <source>Piano</source>
        <translation>Klavier</translation>
    </message>
    <message>
        <source>Electric piano</source>
        <translation>E-Piano</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>Cembalo</translation>
    </message>
    <message>
        <source>Organ</source>
        <translation>Orgel</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Gitarre</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violine</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flöte</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>Klarinette</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompete</translation>
    </message>
    <message>
        <source>Choir</source>
        <translation>Chor</translation>
    </message>
    <message>
        <source>Vibraphone</source>
        <translation>Vibraphon</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>Pure tone</source>
        <translation>Sinuston</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Wie das System</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>Die Sprache wechselt beim nächsten Start.</translation>
    </message>
    <message>
        <source>Note names</source>
        <translation>Notennamen</translation>
    </message>
    <message>
        <source>C D E … B</source>
        <translation>C D E … B</translation>
    </message>
    <message>
        <source>C D E … H (B for B♭)</source>
        <translation>C D E … H (B für B♭)</translation>
    </message>
    <message>
        <source>Do Ré Mi … Si</source>
        <translation>Do Re Mi … Si</translation>
    </message>
    <message>
        <source>middle C = C4</source>
        <translation>mittleres C = C4</translation>
    </message>
    <message>
        <source>middle C = do 3</source>
        <translation>mittleres C = do 3</translation>
    </message>
</context>
<context>
    <name>LeaveLevelDialog</name>
    <message>
        <source>Start level %1 again? Your answers in this round are kept in the history.</source>
        <translation>Stufe %1 neu beginnen? Deine Antworten aus dieser Runde bleiben im Verlauf erhalten.</translation>
    </message>
    <message>
        <source>Leave level %1? Your answers in this round are kept in the history.</source>
        <translation>Stufe %1 verlassen? Deine Antworten aus dieser Runde bleiben im Verlauf erhalten.</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Bleiben</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Verlassen</translation>
    </message>
</context>
<context>
    <name>LevelArea</name>
    <message>
        <source>Guess the note</source>
        <translation>Erkenne den Ton</translation>
    </message>
    <message>
        <source>Level: number of notes</source>
        <translation>Stufe: Anzahl der Töne</translation>
    </message>
    <message>
        <source>Level %1 of %2</source>
        <translation>Stufe %1 von %2</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <source>Click on note</source>
        <translation>Klicke auf den Ton</translation>
    </message>
    <message>
        <source>PERFECT PITCH</source>
        <translation>ABSOLUTES GEHÖR</translation>
    </message>
</context>
<context>
    <name>LevelTiles</name>
    <message>
        <source>LEVEL</source>
        <translation>STUFE</translation>
    </message>
</context>
<context>
    <name>PitchTest</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Pitch test</source>
        <translation>Test des absoluten Gehörs</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>Finished %1; order seed %2</source>
        <translation>Abgeschlossen am %1; Startwert der Reihenfolge %2</translation>
    </message>
    <message>
        <source>Pitch class right, all tones: %1 %</source>
        <translation>Tonklasse richtig, alle Töne: %1 %</translation>
    </message>
    <message>
        <source>Pitch class right</source>
        <translation>Tonklasse richtig</translation>
    </message>
    <message>
        <source>Exact key (octave too)</source>
        <translation>Genaue Taste (samt Oktave)</translation>
    </message>
    <message>
        <source>Points (1 right, 0.75 a semitone off)</source>
        <translation>Punkte (1 richtig, 0,75 einen Halbton daneben)</translation>
    </message>
    <message>
        <source>Mean error (semitones, 0-6)</source>
        <translation>Mittlerer Fehler (Halbtöne, 0–6)</translation>
    </message>
    <message>
        <source>Bias (+ sharp, - flat)</source>
        <translation>Tendenz (+ zu hoch, − zu tief)</translation>
    </message>
    <message>
        <source>Median reaction time</source>
        <translation>Median der Reaktionszeit</translation>
    </message>
    <message>
        <source>Right answers within 2.0 s</source>
        <translation>Richtige Antworten binnen 2,0 s</translation>
    </message>
    <message>
        <source>Absolute pitch line (24.5 of 36 on pure tones): reached</source>
        <translation>Schwelle des absoluten Gehörs (24,5 von 36 bei Sinustönen): erreicht</translation>
    </message>
    <message>
        <source>Absolute pitch line (24.5 of 36 on pure tones): not reached</source>
        <translation>Schwelle des absoluten Gehörs (24,5 von 36 bei Sinustönen): nicht erreicht</translation>
    </message>
    <message>
        <source>No pitch test finished yet.</source>
        <translation>Noch kein Test des absoluten Gehörs abgeschlossen.</translation>
    </message>
    <message>
        <source>Finished            Pure tone  Piano   Pitch class  Exact key  AP line</source>
        <translation>Abgeschlossen      Sinuston  Klavier    Tonklasse      Taste  Schwelle</translation>
    </message>
    <message>
        <source>reached</source>
        <translation>erreicht</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>nicht erreicht</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Klavier</translation>
    </message>
    <message>
        <source>Pure tone</source>
        <translation>Sinuston</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>chance</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>non-possessors</source>
        <translation>ohne absolutes Gehör</translation>
    </message>
    <message>
        <source>possessors</source>
        <translation>mit absolutem Gehör</translation>
    </message>
    <message>
        <source>Right per pitch class (all tones)</source>
        <translation>Richtig je Tonklasse (alle Töne)</translation>
    </message>
    <message>
        <source>Confusions (rows: tone played; columns: key answered)</source>
        <translation>Verwechslungen (Zeilen: gespielter Ton; Spalten: geantwortete Taste)</translation>
    </message>
    <message>
        <source>Pitch tests cannot be kept: there is no answer history.</source>
        <translation>Tests des absoluten Gehörs lassen sich nicht aufbewahren: Es gibt keinen Antwortverlauf.</translation>
    </message>
    <message>
        <source>Pitch tests cannot be kept: the answer history cannot be opened.</source>
        <translation>Tests des absoluten Gehörs lassen sich nicht aufbewahren: Der Antwortverlauf lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>no version</source>
        <translation>keine Version</translation>
    </message>
    <message>
        <source>Pitch tests are not kept: the answer history comes from a newer version of the program.</source>
        <translation>Tests des absoluten Gehörs werden nicht aufbewahrt: Der Antwortverlauf stammt aus einer neueren Version des Programms.</translation>
    </message>
    <message>
        <source>tables missing</source>
        <translation>Tabellen fehlen</translation>
    </message>
    <message>
        <source>The pitch tests in the answer history cannot be read (%1); training is not affected.</source>
        <translation>Die Tests des absoluten Gehörs im Antwortverlauf lassen sich nicht lesen (%1); das Üben ist davon nicht betroffen.</translation>
    </message>
    <message>
        <source>tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>test %1</source>
        <translation>Test %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>The pitch tests cannot be read</source>
        <translation>Die Tests des absoluten Gehörs lassen sich nicht lesen</translation>
    </message>
</context>
<context>
    <name>PitchTest::TestController</name>
    <message>
        <source>Pure tones and the noise come from the built-in synthesiser; the output chosen plays its own sound instead. Choose the built-in synthesiser in the settings for a test that counts.</source>
        <translation>Sinustöne und Rauschen kommen vom eingebauten Synthesizer; die gewählte Ausgabe spielt stattdessen ihren eigenen Klang. Wähle in den Einstellungen den eingebauten Synthesizer, damit der Test zählt.</translation>
    </message>
    <message>
        <source>Pitch tests cannot be kept: there is no answer history.</source>
        <translation>Tests des absoluten Gehörs lassen sich nicht aufbewahren: Es gibt keinen Antwortverlauf.</translation>
    </message>
    <message>
        <source>This test is not being kept: the answer history cannot be written.</source>
        <translation>Dieser Test wird nicht aufbewahrt: In den Antwortverlauf lässt sich nicht schreiben.</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <source>It was %1; you played %2</source>
        <translation>Es war %1; du hast %2 gespielt</translation>
    </message>
    <message>
        <source>Answers wait to be kept: the answer history cannot be written just now.</source>
        <translation>Antworten warten darauf, aufbewahrt zu werden: In den Antwortverlauf lässt sich gerade nicht schreiben.</translation>
    </message>
    <message>
        <source>There is no report to print yet.</source>
        <translation>Es gibt noch keinen Bericht zum Drucken.</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert unter %1</translation>
    </message>
</context>
<context>
    <name>PitchTestButton</name>
    <message>
        <source>Pitch test (Ctrl+T)</source>
        <translation>Test des absoluten Gehörs (Strg+T)</translation>
    </message>
    <message>
        <source>Pitch test</source>
        <translation>Test des absoluten Gehörs</translation>
    </message>
</context>
<context>
    <name>PitchTestIntro</name>
    <message>
        <source>Pitch test</source>
        <translation>Test des absoluten Gehörs</translation>
    </message>
    <message>
        <source>72 notes, about 8 minutes: 36 on the piano and 36 pure tones, in two blocks with a rest between. First 4 practice notes tell you whether you were right; after that there is no feedback until the end. Answer with any key of the right name: the octave is scored separately. Each answer is followed by 2 seconds of noise. Escape leaves the test; you can take it up again later.</source>
        <translation>72 Töne, etwa 8 Minuten: 36 auf dem Klavier und 36 Sinustöne, in zwei Blöcken mit einer Pause dazwischen. Die ersten 4 Übungstöne sagen dir, ob du richtig lagst; danach gibt es bis zum Ende keine Rückmeldung. Antworte mit irgendeiner Taste des richtigen Namens: Die Oktave wird getrennt bewertet. Auf jede Antwort folgen 2 Sekunden Rauschen. Escape verlässt den Test; du kannst ihn später wieder aufnehmen.</translation>
    </message>
    <message numerus="yes">
        <source>A test you began has %n of 72 notes answered. Resume it, or discard it to start again.</source>
        <translation>
            <numerusform>In einem begonnenen Test ist %n von 72 Tönen beantwortet. Setze ihn fort oder verwirf ihn, um neu zu beginnen.</numerusform>
            <numerusform>In einem begonnenen Test sind %n von 72 Tönen beantwortet. Setze ihn fort oder verwirf ihn, um neu zu beginnen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Back to training</source>
        <translation>Zurück zum Üben</translation>
    </message>
</context>
<context>
    <name>PitchTestPanel</name>
    <message>
        <source>Pitch test</source>
        <translation>Test des absoluten Gehörs</translation>
    </message>
</context>
<context>
    <name>PitchTestReport</name>
    <message>
        <source>Pitch test — %1</source>
        <translation>Test des absoluten Gehörs — %1</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Klavier</translation>
    </message>
    <message>
        <source>Pure tone</source>
        <translation>Sinuston</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Pitch class right, all tones: %1 %</source>
        <translation>Tonklasse richtig, alle Töne: %1 %</translation>
    </message>
    <message>
        <source>chance</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>non-possessors</source>
        <translation>ohne absolutes Gehör</translation>
    </message>
    <message>
        <source>possessors</source>
        <translation>mit absolutem Gehör</translation>
    </message>
    <message>
        <source>Right per pitch class</source>
        <translation>Richtig je Tonklasse</translation>
    </message>
    <message>
        <source>Confusions (rows: note played, columns: key answered)</source>
        <translation>Verwechslungen (Zeilen: gespielter Ton, Spalten: geantwortete Taste)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Back to training</source>
        <translation>Zurück zum Üben</translation>
    </message>
</context>
<context>
    <name>PitchTestRest</name>
    <message>
        <source>Rest: %1 s</source>
        <translation>Pause: %1 s</translation>
    </message>
    <message>
        <source>Half way. The second block begins when the rest is over.</source>
        <translation>Halbzeit. Der zweite Block beginnt, wenn die Pause vorbei ist.</translation>
    </message>
    <message>
        <source>Go on now</source>
        <translation>Jetzt weiter</translation>
    </message>
</context>
<context>
    <name>PitchTestScores</name>
    <message>
        <source>No pitch test finished yet. Ctrl+T starts one.</source>
        <translation>Noch kein Test des absoluten Gehörs abgeschlossen. Strg+T startet einen.</translation>
    </message>
    <message>
        <source>Pitch tests</source>
        <translation>Tests des absoluten Gehörs</translation>
    </message>
    <message>
        <source>pure tones (of 36)</source>
        <translation>Sinustöne (von 36)</translation>
    </message>
    <message>
        <source>piano (of 36)</source>
        <translation>Klavier (von 36)</translation>
    </message>
    <message>
        <source>absolute pitch line, 24.5</source>
        <translation>Schwelle des absoluten Gehörs, 24,5</translation>
    </message>
    <message>
        <source>%1   pure tones %2   piano %3   pitch class %4 %   exact key %5 %   AP line reached</source>
        <extracomment>One finished test: date, points of 36 on pure tones and piano, per cent right.</extracomment>
        <translation>%1   Sinustöne %2   Klavier %3   Tonklasse %4 %   genaue Taste %5 %   Schwelle erreicht</translation>
    </message>
    <message>
        <source>%1   pure tones %2   piano %3   pitch class %4 %   exact key %5 %</source>
        <translation>%1   Sinustöne %2   Klavier %3   Tonklasse %4 %   genaue Taste %5 %</translation>
    </message>
</context>
<context>
    <name>PitchTestTrial</name>
    <message>
        <source>Practice %1 of %2</source>
        <translation>Übung %1 von %2</translation>
    </message>
    <message>
        <source>Note %1 of %2</source>
        <translation>Ton %1 von %2</translation>
    </message>
    <message>
        <source>Which note was it?</source>
        <translation>Welcher Ton war es?</translation>
    </message>
    <message>
        <source>Escape leaves the test; it can be resumed.</source>
        <translation>Escape verlässt den Test; er lässt sich später fortsetzen.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>maj</source>
        <translation>maj</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>maj6</source>
        <translation>maj6</translation>
    </message>
    <message>
        <source>min6</source>
        <translation>min6</translation>
    </message>
    <message>
        <source>maj7</source>
        <translation>maj7</translation>
    </message>
    <message>
        <source>min7</source>
        <translation>min7</translation>
    </message>
    <message>
        <source>dom7</source>
        <translation>dom7</translation>
    </message>
    <message>
        <source>sus2</source>
        <translation>sus2</translation>
    </message>
    <message>
        <source>sus4</source>
        <translation>sus4</translation>
    </message>
    <message>
        <source>6sus2</source>
        <translation>6sus2</translation>
    </message>
    <message>
        <source>6sus4</source>
        <translation>6sus4</translation>
    </message>
    <message>
        <source>7sus2</source>
        <translation>7sus2</translation>
    </message>
    <message>
        <source>7sus4</source>
        <translation>7sus4</translation>
    </message>
    <message>
        <source>aug</source>
        <translation>aug</translation>
    </message>
    <message>
        <source>aug6</source>
        <translation>aug6</translation>
    </message>
    <message>
        <source>aug7</source>
        <translation>aug7</translation>
    </message>
    <message>
        <source>dim</source>
        <translation>dim</translation>
    </message>
    <message>
        <source>dim7</source>
        <translation>dim7</translation>
    </message>
    <message>
        <source>Perfect Unison</source>
        <translation>Reine Prime</translation>
    </message>
    <message>
        <source>Minor second</source>
        <translation>Kleine Sekunde</translation>
    </message>
    <message>
        <source>Major second</source>
        <translation>Große Sekunde</translation>
    </message>
    <message>
        <source>Minor third</source>
        <translation>Kleine Terz</translation>
    </message>
    <message>
        <source>Major third</source>
        <translation>Große Terz</translation>
    </message>
    <message>
        <source>Perfect fourth</source>
        <translation>Reine Quarte</translation>
    </message>
    <message>
        <source>Tritone</source>
        <translation>Tritonus</translation>
    </message>
    <message>
        <source>Perfect fifth</source>
        <translation>Reine Quinte</translation>
    </message>
    <message>
        <source>Minor sixth</source>
        <translation>Kleine Sexte</translation>
    </message>
    <message>
        <source>Major sixth</source>
        <translation>Große Sexte</translation>
    </message>
    <message>
        <source>Minor seventh</source>
        <translation>Kleine Septime</translation>
    </message>
    <message>
        <source>Major seventh</source>
        <translation>Große Septime</translation>
    </message>
    <message>
        <source>Perfect octave</source>
        <translation>Reine Oktave</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Dur</translation>
    </message>
    <message>
        <source>Natural m</source>
        <translation>Natürliches Moll</translation>
    </message>
    <message>
        <source>Harmonic m</source>
        <translation>Harmonisches Moll</translation>
    </message>
    <message>
        <source>Melodic m</source>
        <translation>Melodisches Moll</translation>
    </message>
    <message>
        <source>Pentatonic</source>
        <translation>Pentatonik</translation>
    </message>
    <message>
        <source>Pentatonic m</source>
        <translation>Moll-Pentatonik</translation>
    </message>
    <message>
        <source>Diminished</source>
        <translation>Vermindert</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>Augmented</source>
        <translation>Übermäßig</translation>
    </message>
    <message>
        <source>Whole Tone</source>
        <translation>Ganzton</translation>
    </message>
    <message>
        <source>Adagio</source>
        <translation>Adagio</translation>
    </message>
    <message>
        <source>Slow &amp;&amp; stately
 (66-76 bpm)</source>
        <translation>Langsam &amp;&amp; getragen
 (66-76 bpm)</translation>
    </message>
    <message>
        <source>Allegro</source>
        <translation>Allegro</translation>
    </message>
    <message>
        <source>Fast &amp;&amp; bright
 (120-139 bpm)</source>
        <translation>Schnell &amp;&amp; heiter
 (120-139 bpm)</translation>
    </message>
    <message>
        <source>Andante</source>
        <translation>Andante</translation>
    </message>
    <message>
        <source>At a Walking Pace
 (76-108 bpm)</source>
        <translation>Gehend
 (76-108 bpm)</translation>
    </message>
    <message>
        <source>Largo</source>
        <translation>Largo</translation>
    </message>
    <message>
        <source>Very slow
 (40-60 bpm)</source>
        <translation>Sehr langsam
 (40-60 bpm)</translation>
    </message>
    <message>
        <source>Moderato</source>
        <translation>Moderato</translation>
    </message>
    <message>
        <source>Moderately
 (101-110 bpm)</source>
        <translation>Mäßig bewegt
 (101-110 bpm)</translation>
    </message>
    <message>
        <source>Presto</source>
        <translation>Presto</translation>
    </message>
    <message>
        <source>Very fast
 (168-200 bpm)</source>
        <translation>Sehr schnell
 (168-200 bpm)</translation>
    </message>
    <message>
        <source>Vivace</source>
        <translation>Vivace</translation>
    </message>
    <message>
        <source>Lively &amp;&amp; fast
 (130-155 bpm)</source>
        <translation>Lebhaft &amp;&amp; schnell
 (130-155 bpm)</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>The settings file %1 is a link to no settings file of Orvelle&apos;s; it is left alone, and training goes on without keeping its state.</source>
        <translation>Die Einstellungsdatei %1 verweist auf keine Einstellungsdatei von Orvelle; sie bleibt unberührt, und das Üben geht weiter, ohne den Stand zu speichern.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file; it is left alone, and training goes on without keeping its state.</source>
        <translation>Die Einstellungsdatei %1 ist keine gewöhnliche Datei; sie bleibt unberührt, und das Üben geht weiter, ohne den Stand zu speichern.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read; it is left alone, and training goes on without keeping its state.</source>
        <translation>Die Einstellungsdatei %1 lässt sich nicht lesen; sie bleibt unberührt, und das Üben geht weiter, ohne den Stand zu speichern.</translation>
    </message>
    <message>
        <source>The training state cannot be written to %1. It is kept and will be written as soon as it can be.</source>
        <translation>Der Übungsstand kann nicht nach %1 geschrieben werden. Er bleibt erhalten und wird geschrieben, sobald es geht.</translation>
    </message>
</context>
<context>
    <name>ReactionChart</name>
    <message>
        <source>Reaction time per note (s)</source>
        <translation>Reaktionszeit je Ton (s)</translation>
    </message>
    <message>
        <source>median</source>
        <translation>Median</translation>
    </message>
</context>
<context>
    <name>ReferenceBar</name>
    <message>
        <source>%1 %2 %</source>
        <extracomment>A mark on the score bar and its per cent: &quot;chance 8.3 %&quot;.</extracomment>
        <translation>%1 %2 %</translation>
    </message>
</context>
<context>
    <name>SessionSummary</name>
    <message>
        <source>Train level 12 again</source>
        <translation>Stufe 12 noch einmal üben</translation>
    </message>
    <message>
        <source>Next round</source>
        <translation>Nächste Runde</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 of %2 right: %3 %, %4 % needed</source>
        <translation>%1 von %2 richtig: %3 %, %4 % nötig</translation>
    </message>
    <message>
        <source>Perfect pitch: all twelve notes</source>
        <translation>Absolutes Gehör: alle zwölf Töne</translation>
    </message>
    <message>
        <source>%1 of %2 right: %3 %. Train level 12 again to keep it.</source>
        <translation>%1 von %2 richtig: %3 %. Übe Stufe 12 weiter, um es zu behalten.</translation>
    </message>
    <message>
        <source>%1 next</source>
        <translation>als Nächstes %1</translation>
    </message>
    <message>
        <source>back to %1</source>
        <translation>zurück zu %1</translation>
    </message>
    <message>
        <source>%1 again</source>
        <translation>noch einmal %1</translation>
    </message>
    <message>
        <source>Level %1 passed: %2</source>
        <translation>Stufe %1 bestanden: %2</translation>
    </message>
    <message>
        <source>Level %1 not passed: %2</source>
        <translation>Stufe %1 nicht bestanden: %2</translation>
    </message>
</context>
<context>
    <name>SetAsideHistories</name>
    <message>
        <source>Set aside: %1</source>
        <translation>Beiseitegelegt: %1</translation>
    </message>
    <message>
        <source>Recovering…</source>
        <translation>Wird wiederhergestellt …</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>StartButton</name>
    <message>
        <source>Next round</source>
        <translation>Nächste Runde</translation>
    </message>
    <message>
        <source>Replay note</source>
        <translation>Ton wiederholen</translation>
    </message>
    <message>
        <source>Continue the adaptive course</source>
        <translation>Weiter im adaptiven Kurs</translation>
    </message>
    <message>
        <source>Continue level %1</source>
        <translation>Weiter mit Stufe %1</translation>
    </message>
    <message>
        <source>Begin here</source>
        <translation>Hier beginnen</translation>
    </message>
</context>
<context>
    <name>StatisticsButton</name>
    <message>
        <source>Statistics (F2)</source>
        <translation>Statistik (F2)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
</context>
<context>
    <name>StatisticsColors</name>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n Antwort</numerusform>
            <numerusform>%n Antworten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Last 7 days: %1, %2 exact, %3, %4 min.</source>
        <translation>Letzte 7 Tage: %1, %2 exakt, %3, %4 Min.</translation>
    </message>
    <message>
        <source>Last 30 days: %1, %2 exact, %3, %4 min.</source>
        <translation>Letzte 30 Tage: %1, %2 exakt, %3, %4 Min.</translation>
    </message>
    <message>
        <source>At level %1: %2, %3 exact, %4, %5 min.</source>
        <translation>Auf Stufe %1: %2, %3 exakt, %4, %5 Min.</translation>
    </message>
    <message>
        <source>%1: %2 exact, %3 ignoring the octave. Training days in a row: %4.</source>
        <translation>%1: %2 exakt, %3 ohne Rücksicht auf die Oktave. Übungstage in Folge: %4.</translation>
    </message>
    <message>
        <source>All days: %1, %2 min.</source>
        <translation>Alle Tage: %1, %2 Min.</translation>
    </message>
    <message>
        <source>No answers from MIDI keyboards yet.</source>
        <translation>Noch keine Antworten von MIDI-Keyboards.</translation>
    </message>
    <message>
        <source>No answers on the screen keyboard yet.</source>
        <translation>Noch keine Antworten auf der Bildschirmklaviatur.</translation>
    </message>
    <message>
        <source>No answers in the last 7 days.</source>
        <translation>Keine Antworten in den letzten 7 Tagen.</translation>
    </message>
    <message>
        <source>No answers at level %1 yet.</source>
        <translation>Noch keine Antworten auf Stufe %1.</translation>
    </message>
    <message>
        <source>Answer a few questions and your statistics appear here.</source>
        <translation>Beantworte ein paar Fragen, dann erscheint hier deine Statistik.</translation>
    </message>
    <message>
        <source>In the adaptive course: %1, %2 exact, %3, %4 min.</source>
        <translation>Im adaptiven Kurs: %1, %2 exakt, %3, %4 Min.</translation>
    </message>
    <message>
        <source>No answers in the adaptive course yet.</source>
        <translation>Noch keine Antworten im adaptiven Kurs.</translation>
    </message>
</context>
<context>
    <name>StatisticsModel</name>
    <message>
        <source>The answer history cannot be read just now; training goes on.</source>
        <translation>Der Antwortverlauf lässt sich gerade nicht lesen; das Üben geht weiter.</translation>
    </message>
    <message>
        <source>octave</source>
        <translation>Oktave</translation>
    </message>
</context>
<context>
    <name>StatisticsReport</name>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n Antwort</numerusform>
            <numerusform>%n Antworten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>6 semitones (tritone)</source>
        <translation>6 Halbtöne (Tritonus)</translation>
    </message>
    <message numerus="yes">
        <source>+%n semitones</source>
        <translation>
            <numerusform>+%n Halbton</numerusform>
            <numerusform>+%n Halbtöne</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>-%n semitones</source>
        <translation>
            <numerusform>-%n Halbton</numerusform>
            <numerusform>-%n Halbtöne</numerusform>
        </translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>asked</source>
        <translation>gefragt</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exakt</translation>
    </message>
    <message>
        <source>ignoring the octave</source>
        <translation>ohne Oktave</translation>
    </message>
    <message>
        <source>median reaction</source>
        <translation>Reaktionszeit (Median)</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Falsche Antworten: %1</translation>
    </message>
    <message>
        <source>right note, other octave</source>
        <translation>richtiger Ton, andere Oktave</translation>
    </message>
    <message>
        <source>mean error, octaves ignored: %1 semitones</source>
        <translation>mittlere Abweichung ohne Oktaven: %1 Halbtöne</translation>
    </message>
    <message>
        <source>No answers yet: answer a few questions and your statistics appear here.</source>
        <translation>Noch keine Antworten: Beantworte ein paar Fragen, dann erscheint hier deine Statistik.</translation>
    </message>
    <message>
        <source>%1: %2 exact, %3 ignoring the octave</source>
        <translation>%1: %2 exakt, %3 ohne Rücksicht auf die Oktave</translation>
    </message>
    <message>
        <source>Last 7 days: %1 on %2, %3 exact, %4 ignoring the octave, %5</source>
        <translation>Letzte 7 Tage: %1 an %2, %3 exakt, %4 ohne Oktave, %5</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 exact</source>
        <translation>%1 exakt</translation>
    </message>
    <message>
        <source>%1 ignoring the octave</source>
        <translation>%1 ohne Oktave</translation>
    </message>
    <message>
        <source>Training days in a row: %1</source>
        <translation>Übungstage in Folge: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>Answers from</source>
        <translation>Antworten von</translation>
    </message>
    <message>
        <source>All answers</source>
        <translation>Alle Antworten</translation>
    </message>
    <message>
        <source>MIDI keyboards</source>
        <translation>MIDI-Keyboards</translation>
    </message>
    <message>
        <source>On screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Reading your answers…</source>
        <translation>Deine Antworten werden gelesen …</translation>
    </message>
    <message>
        <source>Right answers per question</source>
        <translation>Richtige Antworten je Frage</translation>
    </message>
    <message>
        <source>Heat map</source>
        <translation>Heatmap</translation>
    </message>
    <message>
        <source>By key</source>
        <translation>Nach Taste</translation>
    </message>
    <message>
        <source>By pitch class</source>
        <translation>Nach Tonklasse</translation>
    </message>
    <message>
        <source>Mean error, octaves ignored: %1 semitones</source>
        <translation>Mittlere Abweichung ohne Oktaven: %1 Halbtöne</translation>
    </message>
    <message>
        <source>Confusions: question (row) and answer (column)</source>
        <translation>Verwechslungen: Frage (Zeile) und Antwort (Spalte)</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Pitch tests</source>
        <translation>Tests des absoluten Gehörs</translation>
    </message>
    <message>
        <source>This course</source>
        <translation>Dieser Kurs</translation>
    </message>
</context>
<context>
    <name>TrainingSettings</name>
    <message>
        <source>After a wrong answer</source>
        <translation>Nach einer falschen Antwort</translation>
    </message>
    <message>
        <source>Go on to the next question at once</source>
        <translation>Sofort zur nächsten Frage</translation>
    </message>
    <message>
        <source>Pause 2 s and play the right note once more</source>
        <translation>2 s warten und den richtigen Ton noch einmal spielen</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klaviatur</translation>
    </message>
    <message>
        <source>Name the C keys (%1 to %2)</source>
        <translation>C-Tasten beschriften (%1 bis %2)</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>Day by day</source>
        <translation>Tag für Tag</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exakt</translation>
    </message>
    <message>
        <source>ignoring octave</source>
        <translation>ohne Oktave</translation>
    </message>
    <message>
        <source>median reaction</source>
        <translation>Reaktionszeit (Median)</translation>
    </message>
</context>
</TS>
