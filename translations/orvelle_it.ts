<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AnswerHistory</name>
    <message>
        <source>The answer history %1 cannot be read</source>
        <translation>Impossibile leggere la cronologia delle risposte %1</translation>
    </message>
    <message>
        <source>The history cannot be written: the disk is full. Your answers are kept and will be written when space is free.</source>
        <translation>Impossibile scrivere la cronologia: il disco è pieno. Le tue risposte sono conservate e verranno scritte appena ci sarà spazio.</translation>
    </message>
    <message>
        <source>The history cannot be written: its file or folder is read-only. Your answers are kept and will be written when it can be.</source>
        <translation>Impossibile scrivere la cronologia: il file o la cartella è in sola lettura. Le tue risposte sono conservate e verranno scritte appena possibile.</translation>
    </message>
    <message>
        <source>The history cannot be written: another program is using it. Your answers are kept and will be written when it is free.</source>
        <translation>Impossibile scrivere la cronologia: un altro programma la sta usando. Le tue risposte sono conservate e verranno scritte appena sarà libera.</translation>
    </message>
    <message>
        <source>The history cannot be written just now. Your answers are kept and will be written when it can be.</source>
        <translation>Al momento non si può scrivere la cronologia. Le tue risposte sono conservate e verranno scritte appena possibile.</translation>
    </message>
    <message>
        <source>The answer history was written by a newer version of Orvelle; it is left as it is, and this version trains without recording answers.</source>
        <translation>La cronologia delle risposte viene da una versione più recente di Orvelle; resta com&apos;è, e questa versione fa esercitare senza registrare le risposte.</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be started; training goes on without recording answers.</source>
        <translation>Impossibile creare la cronologia delle risposte %1; l&apos;esercizio continua senza registrare le risposte.</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged and cannot be set aside; it is kept as it is, and training goes on without recording answers.</source>
        <translation>La cronologia delle risposte %1 è danneggiata e non si può mettere da parte; resta com&apos;è, e l&apos;esercizio continua senza registrare le risposte.</translation>
    </message>
    <message>
        <source>The answer history was damaged and set aside as %1, but %2 cannot be moved; training goes on without recording answers.</source>
        <translation>La cronologia delle risposte era danneggiata ed è stata messa da parte come %1, ma %2 non si può spostare; l&apos;esercizio continua senza registrare le risposte.</translation>
    </message>
    <message>
        <source>The answer history was damaged; it was set aside as %1 and a new one started. The statistics window can recover its answers.</source>
        <translation>La cronologia delle risposte era danneggiata; è stata messa da parte come %1 e ne è stata iniziata una nuova. Dalla finestra delle statistiche puoi recuperarne le risposte.</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>Impossibile aprire %1</translation>
    </message>
    <message>
        <source>%1 cannot be read at all</source>
        <translation>%1 è del tutto illeggibile</translation>
    </message>
    <message>
        <source>the history cannot be written: %1</source>
        <translation>impossibile scrivere la cronologia: %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Orvelle cannot play notes and has to stop: %1</source>
        <translation>Orvelle non riesce a suonare le note e deve chiudersi: %1</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (errore %2)</translation>
    </message>
</context>
<context>
    <name>Arrow</name>
    <message>
        <source>Previous page</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Pagina successiva</translation>
    </message>
</context>
<context>
    <name>ClassStrip</name>
    <message>
        <source>octave %1</source>
        <translation>ottava %1</translation>
    </message>
</context>
<context>
    <name>ColorSwitch</name>
    <message>
        <source>Color hint</source>
        <translation>Aiuto colore</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opzione sconosciuta «%1».</translation>
    </message>
    <message>
        <source>Orvelle needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set)</source>
        <translation>Orvelle ha bisogno di uno schermo grafico (DISPLAY o WAYLAND_DISPLAY non è impostata)</translation>
    </message>
    <message>
        <source>orvelle: %1
Try &apos;orvelle --help&apos;.
</source>
        <translation>orvelle: %1
Prova «orvelle --help».
</translation>
    </message>
    <message>
        <source>orvelle: unexpected argument &apos;%1&apos;
Try &apos;orvelle --help&apos;.
</source>
        <translation>orvelle: argomento inatteso «%1»
Prova «orvelle --help».
</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n answers to standard output</source>
        <translation>
            <numerusform>%n risposta scritta sullo standard output</numerusform>
            <numerusform>%n risposte scritte sullo standard output</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n answers to %1</source>
        <translation>
            <numerusform>%n risposta scritta in %1</numerusform>
            <numerusform>%n risposte scritte in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the answer history %1 cannot be read</source>
        <translation>impossibile leggere la cronologia delle risposte %1</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n pitch test trials to %1</source>
        <translation>
            <numerusform>%n prova dei test di orecchio assoluto scritta in %1</numerusform>
            <numerusform>%n prove dei test di orecchio assoluto scritte in %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConfusionMatrix</name>
    <message>
        <source>answered →</source>
        <translation>risposta →</translation>
    </message>
</context>
<context>
    <name>Core::MidiOutSynthDevice</name>
    <message>
        <source>the synthesizer could not be started; notes will be silent</source>
        <translation>impossibile avviare il sintetizzatore; le note resteranno mute</translation>
    </message>
    <message>
        <source>no General MIDI soundfont found (looked for %1); notes will be silent</source>
        <translation>nessuna SoundFont General MIDI trovata (cercato: %1); le note resteranno mute</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>niente</translation>
    </message>
    <message>
        <source>audio output is unavailable (no sound server or sound card); notes will be silent</source>
        <translation>nessuna uscita audio (né server audio né scheda audio); le note resteranno mute</translation>
    </message>
    <message>
        <source>rendering offline with %1</source>
        <translation>resa senza uscita con %1</translation>
    </message>
    <message>
        <source>playing %1 through %2</source>
        <translation>suona %1 tramite %2</translation>
    </message>
</context>
<context>
    <name>Core::Timer</name>
    <message>
        <source>Error starting timer</source>
        <translation>Impossibile avviare il timer</translation>
    </message>
</context>
<context>
    <name>Course</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>bloccata</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>in apprendimento</translation>
    </message>
    <message>
        <source>secure</source>
        <translation>sicura</translation>
    </message>
    <message>
        <source>mastered</source>
        <translation>padroneggiata</translation>
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
        <translation>Nessuna nota ha cambiato stato.</translation>
    </message>
    <message>
        <source>Answer within %1 s to count as fast (%2 s before).</source>
        <translation>Rispondi entro %1 s perché conti come risposta rapida (prima %2 s).</translation>
    </message>
    <message>
        <source>Answer within %1 s to count as fast.</source>
        <translation>Rispondi entro %1 s perché conti come risposta rapida.</translation>
    </message>
    <message>
        <source>All twelve notes are in the course.</source>
        <translation>Tutte e dodici le note sono nel corso.</translation>
    </message>
    <message>
        <source>%1 comes next.</source>
        <translation>Poi viene %1.</translation>
    </message>
    <message>
        <source>%1 comes next, once %2 are secure.</source>
        <translation>Poi viene %1, quando %2 saranno sicure.</translation>
    </message>
    <message>
        <source>%1 comes next, once %2 is secure.</source>
        <translation>Poi viene %1, quando %2 sarà sicura.</translation>
    </message>
    <message>
        <source>Round %1: %2 of %3 right</source>
        <translation>Giro %1: %2 giuste su %3</translation>
    </message>
    <message numerus="yes">
        <source>You hear %1 as %2: %n times</source>
        <translation>
            <numerusform>Senti %1 come %2: una volta</numerusform>
            <numerusform>Senti %1 come %2: %n volte</numerusform>
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
        <translation>Tastiere MIDI</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Sound output</source>
        <translation>Uscita audio</translation>
    </message>
</context>
<context>
    <name>DeviceChoice</name>
    <message>
        <source>(unnamed port)</source>
        <translation>(porta senza nome)</translation>
    </message>
    <message>
        <source>All MIDI keyboards</source>
        <translation>Tutte le tastiere MIDI</translation>
    </message>
    <message>
        <source>Built-in synthesizer</source>
        <translation>Sintetizzatore integrato</translation>
    </message>
    <message>
        <source>First MIDI output</source>
        <translation>Prima uscita MIDI</translation>
    </message>
    <message>
        <source>No MIDI found</source>
        <translation>Nessun MIDI trovato</translation>
    </message>
    <message>
        <source>%1 (cannot open)</source>
        <translation>%1 (impossibile aprire)</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (non collegato)</translation>
    </message>
    <message>
        <source>Using the %1 keyboard device</source>
        <translation>Tastiera MIDI in uso: %1</translation>
    </message>
</context>
<context>
    <name>ErrorKindsChart</name>
    <message>
        <source>Wrong answers by kind</source>
        <translation>Errori per tipo</translation>
    </message>
    <message>
        <source>share of wrong answers</source>
        <translation>quota degli errori</translation>
    </message>
</context>
<context>
    <name>FeedbackLine</name>
    <message>
        <source>You played %1 — it was %2</source>
        <translation>Hai suonato %1 — era %2</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SÌ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Aiuto colore</translation>
    </message>
</context>
<context>
    <name>HeatMap</name>
    <message>
        <source>%1: never asked</source>
        <translation>%1: mai chiesta</translation>
    </message>
    <message>
        <source>%1: %2 of %3 right (%4)</source>
        <translation>%1: %2 su %3 giuste (%4)</translation>
    </message>
    <message>
        <source>100 % right</source>
        <translation>100% giuste</translation>
    </message>
    <message>
        <source>never asked</source>
        <translation>mai chiesta</translation>
    </message>
    <message>
        <source>Point at a key to see its answers.</source>
        <translation>Punta un tasto per vederne le risposte.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvelle is software for developing absolute pitch, also called perfect pitch: the ability to recognise a note by ear alone, without a reference tone. For a musician it is a precious skill, because the sound you hear in your mind leads straight to the right note on your instrument. Absolute pitch is not only a gift you are born with. It can be developed over time with the right method, and Orvelle is built on that method.</source>
        <translation>Orvelle è un programma per sviluppare l&apos;orecchio assoluto: la capacità di riconoscere una nota a orecchio, senza una nota di riferimento. Per un musicista è una dote preziosa, perché il suono che senti nella mente ti porta dritto alla nota giusta sul tuo strumento. L&apos;orecchio assoluto non è solo un dono di nascita. Si può sviluppare nel tempo con il metodo giusto, e Orvelle si basa su questo metodo.</translation>
    </message>
    <message>
        <source>You begin with a single note, played equally often in all octaves of the piano. Orvelle follows your answers, and when you are ready it adds a second note, then a third, until all 12 notes of the chromatic scale are played across every octave. If you prefer, you can choose yourself how many notes are played by clicking a level above the progress strip.</source>
        <translation>Si comincia con una sola nota, suonata con la stessa frequenza in tutte le ottave del pianoforte. Orvelle segue le tue risposte e, quando sei pronto, aggiunge una seconda nota, poi una terza, finché tutte le 12 note della scala cromatica suonano in ogni ottava. Se preferisci, puoi scegliere tu quante note suonare facendo clic su un livello sopra la barra di avanzamento.</translation>
    </message>
    <message>
        <source>Colour can help you memorise the sound of a tone. When the colour hint is switched on, the window takes on the colour of each note while it is played, so that every note gets a face of its own.</source>
        <translation>Il colore può aiutarti a memorizzare il suono di una nota. Con l&apos;aiuto colore attivo, la finestra assume il colore di ogni nota mentre suona, così ogni nota ha un volto tutto suo.</translation>
    </message>
    <message>
        <source>To answer, click the right key with the mouse on the keyboard at the bottom of the window. You can also plug a MIDI keyboard into your computer by USB: its keys count exactly like clicks on the keyboard on the screen. Only the exact key counts, octave included.</source>
        <translation>Per rispondere, fai clic con il mouse sul tasto giusto della tastiera in fondo alla finestra. Puoi anche collegare una tastiera MIDI al computer via USB: i suoi tasti valgono esattamente come i clic sulla tastiera sullo schermo. Conta solo il tasto esatto, ottava compresa.</translation>
    </message>
    <message>
        <source>The way to absolute pitch</source>
        <translation>La via all&apos;orecchio assoluto</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Aiuto colore</translation>
    </message>
    <message>
        <source>Midi and graphical keyboard</source>
        <translation>Tastiera MIDI e tastiera sullo schermo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close help</source>
        <translation>Chiudi l&apos;aiuto</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>Don&apos;t show this anymore at programm startup</source>
        <translation>Non mostrare più all&apos;avvio</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Visita il nostro sito</translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>The answer history %1 cannot be read</source>
        <translation>Impossibile leggere la cronologia delle risposte %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 is one of Orvelle&apos;s own files; the export does not write over it</source>
        <translation>%1 è uno dei file di Orvelle; l&apos;esportazione non lo sovrascrive</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1</source>
        <translation>Impossibile scrivere sullo standard output: %1</translation>
    </message>
    <message>
        <source>Standard output</source>
        <translation>Standard output</translation>
    </message>
</context>
<context>
    <name>HistoryRecovery</name>
    <message>
        <source>Not recovered: %1.</source>
        <translation>Non recuperato: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers recovered; %1 could not be read.</source>
        <translation>
            <numerusform>%n risposta recuperata; %1 illeggibili.</numerusform>
            <numerusform>%n risposte recuperate; %1 illeggibili.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answers recovered.</source>
        <translation>
            <numerusform>%n risposta recuperata.</numerusform>
            <numerusform>%n risposte recuperate.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n finished pitch tests recovered.</source>
        <translation>
            <numerusform>%n test di orecchio assoluto completato recuperato.</numerusform>
            <numerusform>%n test di orecchio assoluto completati recuperati.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InstrumentSettings</name>
    <message>
        <source>Instrument</source>
        <translation>Strumento</translation>
    </message>
    <message>
        <source>Each question is played on one of the ticked instruments, at random.</source>
        <translation>Ogni domanda è suonata da uno degli strumenti spuntati, a caso.</translation>
    </message>
    <message>
        <source>The questions are played on this instrument.</source>
        <translation>Le domande sono suonate da questo strumento.</translation>
    </message>
    <message>
        <source>Vary the instrument</source>
        <translation>Varia lo strumento</translation>
    </message>
    <message>
        <source>Reference pitch</source>
        <translation>Diapason</translation>
    </message>
    <message>
        <source>Lower the reference pitch</source>
        <translation>Abbassa il diapason</translation>
    </message>
    <message>
        <source>Raise the reference pitch</source>
        <translation>Alza il diapason</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>440 Hz is concert pitch; 415 Hz is usual for baroque music, 442 to 446 Hz for many orchestras.</source>
        <translation>440 Hz è il La da concerto; 415 Hz è consueto nella musica barocca, da 442 a 446 Hz in molte orchestre.</translation>
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
        <translation>Pianoforte</translation>
    </message>
    <message>
        <source>Electric piano</source>
        <translation>Piano elettrico</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>Clavicembalo</translation>
    </message>
    <message>
        <source>Organ</source>
        <translation>Organo</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Chitarra</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violino</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flauto</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>Clarinetto</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Tromba</translation>
    </message>
    <message>
        <source>Choir</source>
        <translation>Coro</translation>
    </message>
    <message>
        <source>Vibraphone</source>
        <translation>Vibrafono</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>Pure tone</source>
        <translation>Tono puro</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Quella del sistema</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>La lingua cambia al prossimo avvio.</translation>
    </message>
    <message>
        <source>Note names</source>
        <translation>Nomi delle note</translation>
    </message>
    <message>
        <source>C D E … B</source>
        <translation>C D E … B</translation>
    </message>
    <message>
        <source>C D E … H (B for B♭)</source>
        <translation>C D E … H (B per si♭)</translation>
    </message>
    <message>
        <source>Do Ré Mi … Si</source>
        <translation>Do Re Mi … Si</translation>
    </message>
    <message>
        <source>middle C = C4</source>
        <translation>do centrale = C4</translation>
    </message>
    <message>
        <source>middle C = do 3</source>
        <translation>do centrale = do 3</translation>
    </message>
</context>
<context>
    <name>LeaveLevelDialog</name>
    <message>
        <source>Start level %1 again? Your answers in this round are kept in the history.</source>
        <translation>Ricominciare il livello %1? Le tue risposte di questo giro restano nella cronologia.</translation>
    </message>
    <message>
        <source>Leave level %1? Your answers in this round are kept in the history.</source>
        <translation>Lasciare il livello %1? Le tue risposte di questo giro restano nella cronologia.</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Lascia</translation>
    </message>
</context>
<context>
    <name>LevelArea</name>
    <message>
        <source>Guess the note</source>
        <translation>Indovina la nota</translation>
    </message>
    <message>
        <source>Level: number of notes</source>
        <translation>Livello: numero di note</translation>
    </message>
    <message>
        <source>Level %1 of %2</source>
        <translation>Livello %1 di %2</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Livello %1</translation>
    </message>
    <message>
        <source>Click on note</source>
        <translation>Fai clic sulla nota</translation>
    </message>
    <message>
        <source>PERFECT PITCH</source>
        <translation>ORECCHIO ASSOLUTO</translation>
    </message>
</context>
<context>
    <name>LevelTiles</name>
    <message>
        <source>LEVEL</source>
        <translation>LIVELLO</translation>
    </message>
</context>
<context>
    <name>PitchTest</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Pitch test</source>
        <translation>Test di orecchio assoluto</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossibile scrivere %1</translation>
    </message>
    <message>
        <source>Finished %1; order seed %2</source>
        <translation>Completato il %1; seme dell&apos;ordine %2</translation>
    </message>
    <message>
        <source>Pitch class right, all tones: %1 %</source>
        <translation>Classe di altezza giusta, tutti i suoni: %1 %</translation>
    </message>
    <message>
        <source>Pitch class right</source>
        <translation>Classe di altezza giusta</translation>
    </message>
    <message>
        <source>Exact key (octave too)</source>
        <translation>Tasto esatto (ottava compresa)</translation>
    </message>
    <message>
        <source>Points (1 right, 0.75 a semitone off)</source>
        <translation>Punti (1 se giusto, 0,75 a un semitono)</translation>
    </message>
    <message>
        <source>Mean error (semitones, 0-6)</source>
        <translation>Errore medio (semitoni, 0-6)</translation>
    </message>
    <message>
        <source>Bias (+ sharp, - flat)</source>
        <translation>Tendenza (+ crescente, − calante)</translation>
    </message>
    <message>
        <source>Median reaction time</source>
        <translation>Tempo di reazione mediano</translation>
    </message>
    <message>
        <source>Right answers within 2.0 s</source>
        <translation>Risposte giuste entro 2,0 s</translation>
    </message>
    <message>
        <source>Absolute pitch line (24.5 of 36 on pure tones): reached</source>
        <translation>Soglia dell&apos;orecchio assoluto (24,5 su 36 con i toni puri): raggiunta</translation>
    </message>
    <message>
        <source>Absolute pitch line (24.5 of 36 on pure tones): not reached</source>
        <translation>Soglia dell&apos;orecchio assoluto (24,5 su 36 con i toni puri): non raggiunta</translation>
    </message>
    <message>
        <source>No pitch test finished yet.</source>
        <translation>Nessun test di orecchio assoluto ancora completato.</translation>
    </message>
    <message>
        <source>Finished            Pure tone  Piano   Pitch class  Exact key  AP line</source>
        <translation>Completato        Tono puro   Piano       Classe      Tasto  Soglia</translation>
    </message>
    <message>
        <source>reached</source>
        <translation>raggiunta</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>non raggiunta</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Pianoforte</translation>
    </message>
    <message>
        <source>Pure tone</source>
        <translation>Tono puro</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>chance</source>
        <translation>caso</translation>
    </message>
    <message>
        <source>non-possessors</source>
        <translation>senza orecchio assoluto</translation>
    </message>
    <message>
        <source>possessors</source>
        <translation>con orecchio assoluto</translation>
    </message>
    <message>
        <source>Right per pitch class (all tones)</source>
        <translation>Risposte giuste per classe di altezza (tutti i suoni)</translation>
    </message>
    <message>
        <source>Confusions (rows: tone played; columns: key answered)</source>
        <translation>Confusioni (righe: suono eseguito; colonne: tasto risposto)</translation>
    </message>
    <message>
        <source>Pitch tests cannot be kept: there is no answer history.</source>
        <translation>Impossibile conservare i test di orecchio assoluto: non c&apos;è una cronologia delle risposte.</translation>
    </message>
    <message>
        <source>Pitch tests cannot be kept: the answer history cannot be opened.</source>
        <translation>Impossibile conservare i test di orecchio assoluto: impossibile aprire la cronologia delle risposte.</translation>
    </message>
    <message>
        <source>no version</source>
        <translation>nessuna versione</translation>
    </message>
    <message>
        <source>Pitch tests are not kept: the answer history comes from a newer version of the program.</source>
        <translation>I test di orecchio assoluto non vengono conservati: la cronologia delle risposte proviene da una versione più recente del programma.</translation>
    </message>
    <message>
        <source>tables missing</source>
        <translation>tabelle mancanti</translation>
    </message>
    <message>
        <source>The pitch tests in the answer history cannot be read (%1); training is not affected.</source>
        <translation>Impossibile leggere i test di orecchio assoluto nella cronologia delle risposte (%1); l&apos;esercizio non ne risente.</translation>
    </message>
    <message>
        <source>tests</source>
        <translation>test</translation>
    </message>
    <message>
        <source>test %1</source>
        <translation>test %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>The pitch tests cannot be read</source>
        <translation>Impossibile leggere i test di orecchio assoluto</translation>
    </message>
</context>
<context>
    <name>PitchTest::TestController</name>
    <message>
        <source>Pure tones and the noise come from the built-in synthesiser; the output chosen plays its own sound instead. Choose the built-in synthesiser in the settings for a test that counts.</source>
        <translation>I toni puri e il rumore provengono dal sintetizzatore integrato; l&apos;uscita scelta suona invece il proprio suono. Scegli il sintetizzatore integrato nelle impostazioni perché il test sia valido.</translation>
    </message>
    <message>
        <source>Pitch tests cannot be kept: there is no answer history.</source>
        <translation>Impossibile conservare i test di orecchio assoluto: non c&apos;è una cronologia delle risposte.</translation>
    </message>
    <message>
        <source>This test is not being kept: the answer history cannot be written.</source>
        <translation>Questo test non viene conservato: impossibile scrivere nella cronologia delle risposte.</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Giusto: %1</translation>
    </message>
    <message>
        <source>It was %1; you played %2</source>
        <translation>Era %1; hai suonato %2</translation>
    </message>
    <message>
        <source>Answers wait to be kept: the answer history cannot be written just now.</source>
        <translation>Alcune risposte attendono di essere conservate: al momento non si può scrivere nella cronologia delle risposte.</translation>
    </message>
    <message>
        <source>There is no report to print yet.</source>
        <translation>Non c&apos;è ancora un resoconto da stampare.</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvato in %1</translation>
    </message>
</context>
<context>
    <name>PitchTestButton</name>
    <message>
        <source>Pitch test (Ctrl+T)</source>
        <translation>Test di orecchio assoluto (Ctrl+T)</translation>
    </message>
    <message>
        <source>Pitch test</source>
        <translation>Test di orecchio assoluto</translation>
    </message>
</context>
<context>
    <name>PitchTestIntro</name>
    <message>
        <source>Pitch test</source>
        <translation>Test di orecchio assoluto</translation>
    </message>
    <message>
        <source>72 notes, about 8 minutes: 36 on the piano and 36 pure tones, in two blocks with a rest between. First 4 practice notes tell you whether you were right; after that there is no feedback until the end. Answer with any key of the right name: the octave is scored separately. Each answer is followed by 2 seconds of noise. Escape leaves the test; you can take it up again later.</source>
        <translation>72 note, circa 8 minuti: 36 al pianoforte e 36 toni puri, in due blocchi con una pausa in mezzo. Le prime 4 note di prova ti dicono se hai risposto giusto; dopo non c&apos;è alcun riscontro fino alla fine. Rispondi con un tasto qualsiasi del nome giusto: l&apos;ottava viene valutata a parte. Ogni risposta è seguita da 2 secondi di rumore. Esc esce dal test; puoi riprenderlo più tardi.</translation>
    </message>
    <message numerus="yes">
        <source>A test you began has %n of 72 notes answered. Resume it, or discard it to start again.</source>
        <translation>
            <numerusform>In un test iniziato hai risposto a %n nota su 72. Riprendilo, oppure scartalo per ricominciare.</numerusform>
            <numerusform>In un test iniziato hai risposto a %n note su 72. Riprendilo, oppure scartalo per ricominciare.</numerusform>
        </translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Back to training</source>
        <translation>Torna all&apos;esercizio</translation>
    </message>
</context>
<context>
    <name>PitchTestPanel</name>
    <message>
        <source>Pitch test</source>
        <translation>Test di orecchio assoluto</translation>
    </message>
</context>
<context>
    <name>PitchTestReport</name>
    <message>
        <source>Pitch test — %1</source>
        <translation>Test di orecchio assoluto — %1</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Pianoforte</translation>
    </message>
    <message>
        <source>Pure tone</source>
        <translation>Tono puro</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Pitch class right, all tones: %1 %</source>
        <translation>Classe di altezza giusta, tutti i suoni: %1 %</translation>
    </message>
    <message>
        <source>chance</source>
        <translation>caso</translation>
    </message>
    <message>
        <source>non-possessors</source>
        <translation>senza orecchio assoluto</translation>
    </message>
    <message>
        <source>possessors</source>
        <translation>con orecchio assoluto</translation>
    </message>
    <message>
        <source>Right per pitch class</source>
        <translation>Risposte giuste per classe di altezza</translation>
    </message>
    <message>
        <source>Confusions (rows: note played, columns: key answered)</source>
        <translation>Confusioni (righe: nota suonata, colonne: tasto risposto)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>Back to training</source>
        <translation>Torna all&apos;esercizio</translation>
    </message>
</context>
<context>
    <name>PitchTestRest</name>
    <message>
        <source>Rest: %1 s</source>
        <translation>Pausa: %1 s</translation>
    </message>
    <message>
        <source>Half way. The second block begins when the rest is over.</source>
        <translation>Sei a metà. Il secondo blocco inizia quando finisce la pausa.</translation>
    </message>
    <message>
        <source>Go on now</source>
        <translation>Continua ora</translation>
    </message>
</context>
<context>
    <name>PitchTestScores</name>
    <message>
        <source>No pitch test finished yet. Ctrl+T starts one.</source>
        <translation>Nessun test di orecchio assoluto ancora completato. Ctrl+T ne avvia uno.</translation>
    </message>
    <message>
        <source>Pitch tests</source>
        <translation>Test di orecchio assoluto</translation>
    </message>
    <message>
        <source>pure tones (of 36)</source>
        <translation>toni puri (su 36)</translation>
    </message>
    <message>
        <source>piano (of 36)</source>
        <translation>pianoforte (su 36)</translation>
    </message>
    <message>
        <source>absolute pitch line, 24.5</source>
        <translation>soglia dell&apos;orecchio assoluto, 24,5</translation>
    </message>
    <message>
        <source>%1   pure tones %2   piano %3   pitch class %4 %   exact key %5 %   AP line reached</source>
        <extracomment>One finished test: date, points of 36 on pure tones and piano, per cent right.</extracomment>
        <translation>%1   toni puri %2   pianoforte %3   classe di altezza %4 %   tasto esatto %5 %   soglia raggiunta</translation>
    </message>
    <message>
        <source>%1   pure tones %2   piano %3   pitch class %4 %   exact key %5 %</source>
        <translation>%1   toni puri %2   pianoforte %3   classe di altezza %4 %   tasto esatto %5 %</translation>
    </message>
</context>
<context>
    <name>PitchTestTrial</name>
    <message>
        <source>Practice %1 of %2</source>
        <translation>Prova %1 di %2</translation>
    </message>
    <message>
        <source>Note %1 of %2</source>
        <translation>Nota %1 di %2</translation>
    </message>
    <message>
        <source>Which note was it?</source>
        <translation>Che nota era?</translation>
    </message>
    <message>
        <source>Escape leaves the test; it can be resumed.</source>
        <translation>Esc esce dal test; si può riprendere.</translation>
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
        <translation>Unisono</translation>
    </message>
    <message>
        <source>Minor second</source>
        <translation>Seconda minore</translation>
    </message>
    <message>
        <source>Major second</source>
        <translation>Seconda maggiore</translation>
    </message>
    <message>
        <source>Minor third</source>
        <translation>Terza minore</translation>
    </message>
    <message>
        <source>Major third</source>
        <translation>Terza maggiore</translation>
    </message>
    <message>
        <source>Perfect fourth</source>
        <translation>Quarta giusta</translation>
    </message>
    <message>
        <source>Tritone</source>
        <translation>Tritono</translation>
    </message>
    <message>
        <source>Perfect fifth</source>
        <translation>Quinta giusta</translation>
    </message>
    <message>
        <source>Minor sixth</source>
        <translation>Sesta minore</translation>
    </message>
    <message>
        <source>Major sixth</source>
        <translation>Sesta maggiore</translation>
    </message>
    <message>
        <source>Minor seventh</source>
        <translation>Settima minore</translation>
    </message>
    <message>
        <source>Major seventh</source>
        <translation>Settima maggiore</translation>
    </message>
    <message>
        <source>Perfect octave</source>
        <translation>Ottava giusta</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Maggiore</translation>
    </message>
    <message>
        <source>Natural m</source>
        <translation>Minore naturale</translation>
    </message>
    <message>
        <source>Harmonic m</source>
        <translation>Minore armonica</translation>
    </message>
    <message>
        <source>Melodic m</source>
        <translation>Minore melodica</translation>
    </message>
    <message>
        <source>Pentatonic</source>
        <translation>Pentatonica</translation>
    </message>
    <message>
        <source>Pentatonic m</source>
        <translation>Pentatonica minore</translation>
    </message>
    <message>
        <source>Diminished</source>
        <translation>Diminuita</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>Augmented</source>
        <translation>Aumentata</translation>
    </message>
    <message>
        <source>Whole Tone</source>
        <translation>Esatonale</translation>
    </message>
    <message>
        <source>Adagio</source>
        <translation>Adagio</translation>
    </message>
    <message>
        <source>Slow &amp;&amp; stately
 (66-76 bpm)</source>
        <translation>Lento &amp;&amp; solenne
 (66-76 bpm)</translation>
    </message>
    <message>
        <source>Allegro</source>
        <translation>Allegro</translation>
    </message>
    <message>
        <source>Fast &amp;&amp; bright
 (120-139 bpm)</source>
        <translation>Veloce &amp;&amp; brillante
 (120-139 bpm)</translation>
    </message>
    <message>
        <source>Andante</source>
        <translation>Andante</translation>
    </message>
    <message>
        <source>At a Walking Pace
 (76-108 bpm)</source>
        <translation>A passo d&apos;uomo
 (76-108 bpm)</translation>
    </message>
    <message>
        <source>Largo</source>
        <translation>Largo</translation>
    </message>
    <message>
        <source>Very slow
 (40-60 bpm)</source>
        <translation>Molto lento
 (40-60 bpm)</translation>
    </message>
    <message>
        <source>Moderato</source>
        <translation>Moderato</translation>
    </message>
    <message>
        <source>Moderately
 (101-110 bpm)</source>
        <translation>Moderato
 (101-110 bpm)</translation>
    </message>
    <message>
        <source>Presto</source>
        <translation>Presto</translation>
    </message>
    <message>
        <source>Very fast
 (168-200 bpm)</source>
        <translation>Molto veloce
 (168-200 bpm)</translation>
    </message>
    <message>
        <source>Vivace</source>
        <translation>Vivace</translation>
    </message>
    <message>
        <source>Lively &amp;&amp; fast
 (130-155 bpm)</source>
        <translation>Vivo &amp;&amp; veloce
 (130-155 bpm)</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>The settings file %1 is a link to no settings file of Orvelle&apos;s; it is left alone, and training goes on without keeping its state.</source>
        <translation>Il file delle impostazioni %1 è un collegamento che non porta a nessun file di impostazioni di Orvelle; non viene toccato, e l&apos;esercizio continua senza salvare i progressi.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file; it is left alone, and training goes on without keeping its state.</source>
        <translation>Il file delle impostazioni %1 non è un file normale; non viene toccato, e l&apos;esercizio continua senza salvare i progressi.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read; it is left alone, and training goes on without keeping its state.</source>
        <translation>Impossibile leggere il file delle impostazioni %1; non viene toccato, e l&apos;esercizio continua senza salvare i progressi.</translation>
    </message>
    <message>
        <source>The training state cannot be written to %1. It is kept and will be written as soon as it can be.</source>
        <translation>Impossibile scrivere i progressi in %1. Sono conservati e verranno scritti appena possibile.</translation>
    </message>
</context>
<context>
    <name>ReactionChart</name>
    <message>
        <source>Reaction time per note (s)</source>
        <translation>Tempo di reazione per nota (s)</translation>
    </message>
    <message>
        <source>median</source>
        <translation>mediana</translation>
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
        <translation>Ripeti il livello 12</translation>
    </message>
    <message>
        <source>Next round</source>
        <translation>Giro successivo</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 of %2 right: %3 %, %4 % needed</source>
        <translation>%1 su %2 giuste: %3%, serve il %4%</translation>
    </message>
    <message>
        <source>Perfect pitch: all twelve notes</source>
        <translation>Orecchio assoluto: tutte e dodici le note</translation>
    </message>
    <message>
        <source>%1 of %2 right: %3 %. Train level 12 again to keep it.</source>
        <translation>%1 su %2 giuste: %3%. Ripeti il livello 12 per mantenerlo.</translation>
    </message>
    <message>
        <source>%1 next</source>
        <translation>ora %1</translation>
    </message>
    <message>
        <source>back to %1</source>
        <translation>si torna a %1</translation>
    </message>
    <message>
        <source>%1 again</source>
        <translation>ancora %1</translation>
    </message>
    <message>
        <source>Level %1 passed: %2</source>
        <translation>Livello %1 superato: %2</translation>
    </message>
    <message>
        <source>Level %1 not passed: %2</source>
        <translation>Livello %1 non superato: %2</translation>
    </message>
</context>
<context>
    <name>SetAsideHistories</name>
    <message>
        <source>Set aside: %1</source>
        <translation>Messo da parte: %1</translation>
    </message>
    <message>
        <source>Recovering…</source>
        <translation>Recupero…</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recupera</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>StartButton</name>
    <message>
        <source>Next round</source>
        <translation>Giro successivo</translation>
    </message>
    <message>
        <source>Replay note</source>
        <translation>Risuona la nota</translation>
    </message>
    <message>
        <source>Continue the adaptive course</source>
        <translation>Continua il corso adattivo</translation>
    </message>
    <message>
        <source>Continue level %1</source>
        <translation>Continua il livello %1</translation>
    </message>
    <message>
        <source>Begin here</source>
        <translation>Comincia</translation>
    </message>
</context>
<context>
    <name>StatisticsButton</name>
    <message>
        <source>Statistics (F2)</source>
        <translation>Statistiche (F2)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
</context>
<context>
    <name>StatisticsColors</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n risposta</numerusform>
            <numerusform>%n risposte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>Last 7 days: %1, %2 exact, %3, %4 min.</source>
        <translation>Ultimi 7 giorni: %1, %2 esatte, %3, %4 min</translation>
    </message>
    <message>
        <source>Last 30 days: %1, %2 exact, %3, %4 min.</source>
        <translation>Ultimi 30 giorni: %1, %2 esatte, %3, %4 min</translation>
    </message>
    <message>
        <source>At level %1: %2, %3 exact, %4, %5 min.</source>
        <translation>Al livello %1: %2, %3 esatte, %4, %5 min</translation>
    </message>
    <message>
        <source>%1: %2 exact, %3 ignoring the octave. Training days in a row: %4.</source>
        <translation>%1: %2 esatte, %3 senza contare l&apos;ottava. Giorni di esercizio di fila: %4.</translation>
    </message>
    <message>
        <source>All days: %1, %2 min.</source>
        <translation>Tutti i giorni: %1, %2 min</translation>
    </message>
    <message>
        <source>No answers from MIDI keyboards yet.</source>
        <translation>Ancora nessuna risposta da tastiere MIDI.</translation>
    </message>
    <message>
        <source>No answers on the screen keyboard yet.</source>
        <translation>Ancora nessuna risposta sulla tastiera sullo schermo.</translation>
    </message>
    <message>
        <source>No answers in the last 7 days.</source>
        <translation>Nessuna risposta negli ultimi 7 giorni.</translation>
    </message>
    <message>
        <source>No answers at level %1 yet.</source>
        <translation>Ancora nessuna risposta al livello %1.</translation>
    </message>
    <message>
        <source>Answer a few questions and your statistics appear here.</source>
        <translation>Rispondi a qualche domanda e qui compariranno le tue statistiche.</translation>
    </message>
    <message>
        <source>In the adaptive course: %1, %2 exact, %3, %4 min.</source>
        <translation>Nel corso adattivo: %1, %2 esatte, %3, %4 min</translation>
    </message>
    <message>
        <source>No answers in the adaptive course yet.</source>
        <translation>Ancora nessuna risposta nel corso adattivo.</translation>
    </message>
</context>
<context>
    <name>StatisticsModel</name>
    <message>
        <source>The answer history cannot be read just now; training goes on.</source>
        <translation>Al momento non si può leggere la cronologia delle risposte; l&apos;esercizio continua.</translation>
    </message>
    <message>
        <source>octave</source>
        <translation>ottava</translation>
    </message>
</context>
<context>
    <name>StatisticsReport</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n risposta</numerusform>
            <numerusform>%n risposte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>6 semitones (tritone)</source>
        <translation>6 semitoni (tritono)</translation>
    </message>
    <message numerus="yes">
        <source>+%n semitones</source>
        <translation>
            <numerusform>+%n semitono</numerusform>
            <numerusform>+%n semitoni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>-%n semitones</source>
        <translation>
            <numerusform>-%n semitono</numerusform>
            <numerusform>-%n semitoni</numerusform>
        </translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>asked</source>
        <translation>chieste</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>esatte</translation>
    </message>
    <message>
        <source>ignoring the octave</source>
        <translation>senza l&apos;ottava</translation>
    </message>
    <message>
        <source>median reaction</source>
        <translation>reazione mediana</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Risposte sbagliate: %1</translation>
    </message>
    <message>
        <source>right note, other octave</source>
        <translation>nota giusta, altra ottava</translation>
    </message>
    <message>
        <source>mean error, octaves ignored: %1 semitones</source>
        <translation>errore medio, ottave escluse: %1 semitoni</translation>
    </message>
    <message>
        <source>No answers yet: answer a few questions and your statistics appear here.</source>
        <translation>Ancora nessuna risposta: rispondi a qualche domanda e qui compariranno le tue statistiche.</translation>
    </message>
    <message>
        <source>%1: %2 exact, %3 ignoring the octave</source>
        <translation>%1: %2 esatte, %3 senza contare l&apos;ottava</translation>
    </message>
    <message>
        <source>Last 7 days: %1 on %2, %3 exact, %4 ignoring the octave, %5</source>
        <translation>Ultimi 7 giorni: %1 in %2, %3 esatte, %4 senza contare l&apos;ottava, %5</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 exact</source>
        <translation>%1 esatte</translation>
    </message>
    <message>
        <source>%1 ignoring the octave</source>
        <translation>%1 senza l&apos;ottava</translation>
    </message>
    <message>
        <source>Training days in a row: %1</source>
        <translation>Giorni di esercizio di fila: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Dall&apos;inizio</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Ultimi 7 giorni</translation>
    </message>
    <message>
        <source>Answers from</source>
        <translation>Risposte da</translation>
    </message>
    <message>
        <source>All answers</source>
        <translation>Tutte</translation>
    </message>
    <message>
        <source>MIDI keyboards</source>
        <translation>Tastiere MIDI</translation>
    </message>
    <message>
        <source>On screen</source>
        <translation>Schermo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Reading your answers…</source>
        <translation>Lettura delle risposte…</translation>
    </message>
    <message>
        <source>Right answers per question</source>
        <translation>Risposte giuste per domanda</translation>
    </message>
    <message>
        <source>Heat map</source>
        <translation>Mappa di calore</translation>
    </message>
    <message>
        <source>By key</source>
        <translation>Per tasto</translation>
    </message>
    <message>
        <source>By pitch class</source>
        <translation>Per nota</translation>
    </message>
    <message>
        <source>Mean error, octaves ignored: %1 semitones</source>
        <translation>Errore medio, ottave escluse: %1 semitoni</translation>
    </message>
    <message>
        <source>Confusions: question (row) and answer (column)</source>
        <translation>Confusioni: domanda (riga) e risposta (colonna)</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>Pitch tests</source>
        <translation>Test di orecchio assoluto</translation>
    </message>
    <message>
        <source>This course</source>
        <translation>Questo corso</translation>
    </message>
</context>
<context>
    <name>TrainingSettings</name>
    <message>
        <source>After a wrong answer</source>
        <translation>Dopo una risposta sbagliata</translation>
    </message>
    <message>
        <source>Go on to the next question at once</source>
        <translation>Passa subito alla domanda successiva</translation>
    </message>
    <message>
        <source>Pause 2 s and play the right note once more</source>
        <translation>Pausa di 2 s e di nuovo la nota giusta</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Name the C keys (%1 to %2)</source>
        <translation>Nomi sui Do (%1–%2)</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>Day by day</source>
        <translation>Giorno per giorno</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>esatte</translation>
    </message>
    <message>
        <source>ignoring octave</source>
        <translation>senza ottava</translation>
    </message>
    <message>
        <source>median reaction</source>
        <translation>reazione mediana</translation>
    </message>
</context>
</TS>
