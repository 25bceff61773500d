<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AnswerHistory</name>
    <message>
        <source>The answer history %1 cannot be read</source>
        <translation>No se puede leer el historial de respuestas %1</translation>
    </message>
    <message>
        <source>The history cannot be written: the disk is full. Your answers are kept and will be written when space is free.</source>
        <translation>No se puede escribir el historial: el disco está lleno. Tus respuestas se conservan y se escribirán cuando haya espacio.</translation>
    </message>
    <message>
        <source>The history cannot be written: its file or folder is read-only. Your answers are kept and will be written when it can be.</source>
        <translation>No se puede escribir el historial: su archivo o carpeta es de solo lectura. Tus respuestas se conservan y se escribirán en cuanto se pueda.</translation>
    </message>
    <message>
        <source>The history cannot be written: another program is using it. Your answers are kept and will be written when it is free.</source>
        <translation>No se puede escribir el historial: otro programa lo está usando. Tus respuestas se conservan y se escribirán cuando quede libre.</translation>
    </message>
    <message>
        <source>The history cannot be written just now. Your answers are kept and will be written when it can be.</source>
        <translation>Ahora mismo no se puede escribir el historial. Tus respuestas se conservan y se escribirán en cuanto se pueda.</translation>
    </message>
    <message>
        <source>The answer history was written by a newer version of Orvelle; it is left as it is, and this version trains without recording answers.</source>
        <translation>El historial de respuestas es de una versión más reciente de Orvelle; se deja como está y esta versión practica sin guardar respuestas.</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be started; training goes on without recording answers.</source>
        <translation>No se puede crear el historial de respuestas %1; la práctica sigue sin guardar respuestas.</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged and cannot be set aside; it is kept as it is, and training goes on without recording answers.</source>
        <translation>El historial de respuestas %1 está dañado y no se puede apartar; se deja como está y la práctica sigue sin guardar respuestas.</translation>
    </message>
    <message>
        <source>The answer history was damaged and set aside as %1, but %2 cannot be moved; training goes on without recording answers.</source>
        <translation>El historial de respuestas estaba dañado y se apartó como %1, pero %2 no se puede mover; la práctica sigue sin guardar respuestas.</translation>
    </message>
    <message>
        <source>The answer history was damaged; it was set aside as %1 and a new one started. The statistics window can recover its answers.</source>
        <translation>El historial de respuestas estaba dañado; se apartó como %1 y se empezó uno nuevo. Desde la ventana de estadísticas se pueden recuperar sus respuestas.</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>No se puede abrir %1</translation>
    </message>
    <message>
        <source>%1 cannot be read at all</source>
        <translation>No se puede leer nada de %1</translation>
    </message>
    <message>
        <source>the history cannot be written: %1</source>
        <translation>no se puede escribir el historial: %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Orvelle cannot play notes and has to stop: %1</source>
        <translation>Orvelle no puede tocar notas y tiene que cerrarse: %1</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (error %2)</translation>
    </message>
</context>
<context>
    <name>Arrow</name>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
</context>
<context>
    <name>ClassStrip</name>
    <message>
        <source>octave %1</source>
        <translation>octava %1</translation>
    </message>
</context>
<context>
    <name>ColorSwitch</name>
    <message>
        <source>Color hint</source>
        <translation>Ayuda de color</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Orvelle needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set)</source>
        <translation>Orvelle necesita una pantalla gráfica (DISPLAY o WAYLAND_DISPLAY no está definida)</translation>
    </message>
    <message>
        <source>orvelle: %1
Try &apos;orvelle --help&apos;.
</source>
        <translation>orvelle: %1
Prueba «orvelle --help».
</translation>
    </message>
    <message>
        <source>orvelle: unexpected argument &apos;%1&apos;
Try &apos;orvelle --help&apos;.
</source>
        <translation>orvelle: argumento inesperado «%1»
Prueba «orvelle --help».
</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n answers to standard output</source>
        <translation>
            <numerusform>Se escribió %n respuesta en la salida estándar</numerusform>
            <numerusform>Se escribieron %n respuestas en la salida estándar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n answers to %1</source>
        <translation>
            <numerusform>Se escribió %n respuesta en %1</numerusform>
            <numerusform>Se escribieron %n respuestas en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the answer history %1 cannot be read</source>
        <translation>no se puede leer el historial de respuestas %1</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n pitch test trials to %1</source>
        <translation>
            <numerusform>%n ensayo de las pruebas de oído absoluto escrito en %1</numerusform>
            <numerusform>%n ensayos de las pruebas de oído absoluto escritos en %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConfusionMatrix</name>
    <message>
        <source>answered →</source>
        <translation>respuesta →</translation>
    </message>
</context>
<context>
    <name>Core::MidiOutSynthDevice</name>
    <message>
        <source>the synthesizer could not be started; notes will be silent</source>
        <translation>no se pudo iniciar el sintetizador; las notas no sonarán</translation>
    </message>
    <message>
        <source>no General MIDI soundfont found (looked for %1); notes will be silent</source>
        <translation>no se encontró ninguna SoundFont General MIDI (se buscó: %1); las notas no sonarán</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>audio output is unavailable (no sound server or sound card); notes will be silent</source>
        <translation>no hay salida de audio (ni servidor de sonido ni tarjeta de sonido); las notas no sonarán</translation>
    </message>
    <message>
        <source>rendering offline with %1</source>
        <translation>generando sin salida con %1</translation>
    </message>
    <message>
        <source>playing %1 through %2</source>
        <translation>tocando %1 por %2</translation>
    </message>
</context>
<context>
    <name>Core::Timer</name>
    <message>
        <source>Error starting timer</source>
        <translation>No se pudo iniciar el temporizador</translation>
    </message>
</context>
<context>
    <name>Course</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>bloqueada</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>en aprendizaje</translation>
    </message>
    <message>
        <source>secure</source>
        <translation>segura</translation>
    </message>
    <message>
        <source>mastered</source>
        <translation>dominada</translation>
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
        <translation>Ninguna nota ha cambiado de estado.</translation>
    </message>
    <message>
        <source>Answer within %1 s to count as fast (%2 s before).</source>
        <translation>Responde en %1 s o menos para que cuente como rápida (antes %2 s).</translation>
    </message>
    <message>
        <source>Answer within %1 s to count as fast.</source>
        <translation>Responde en %1 s o menos para que cuente como rápida.</translation>
    </message>
    <message>
        <source>All twelve notes are in the course.</source>
        <translation>Las doce notas están en el curso.</translation>
    </message>
    <message>
        <source>%1 comes next.</source>
        <translation>La siguiente es %1.</translation>
    </message>
    <message>
        <source>%1 comes next, once %2 are secure.</source>
        <translation>La siguiente es %1, cuando %2 estén seguras.</translation>
    </message>
    <message>
        <source>%1 comes next, once %2 is secure.</source>
        <translation>La siguiente es %1, cuando %2 esté segura.</translation>
    </message>
    <message>
        <source>Round %1: %2 of %3 right</source>
        <translation>Ronda %1: %2 de %3 correctas</translation>
    </message>
    <message numerus="yes">
        <source>You hear %1 as %2: %n times</source>
        <translation>
            <numerusform>Oyes %1 como %2: una vez</numerusform>
            <numerusform>Oyes %1 como %2: %n veces</numerusform>
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
        <translation>Teclados MIDI</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Sound output</source>
        <translation>Salida de sonido</translation>
    </message>
</context>
<context>
    <name>DeviceChoice</name>
    <message>
        <source>(unnamed port)</source>
        <translation>(puerto sin nombre)</translation>
    </message>
    <message>
        <source>All MIDI keyboards</source>
        <translation>Todos los teclados MIDI</translation>
    </message>
    <message>
        <source>Built-in synthesizer</source>
        <translation>Sintetizador integrado</translation>
    </message>
    <message>
        <source>First MIDI output</source>
        <translation>Primera salida MIDI</translation>
    </message>
    <message>
        <source>No MIDI found</source>
        <translation>No se encontró MIDI</translation>
    </message>
    <message>
        <source>%1 (cannot open)</source>
        <translation>%1 (no se puede abrir)</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (no conectado)</translation>
    </message>
    <message>
        <source>Using the %1 keyboard device</source>
        <translation>Teclado MIDI en uso: %1</translation>
    </message>
</context>
<context>
    <name>ErrorKindsChart</name>
    <message>
        <source>Wrong answers by kind</source>
        <translation>Errores por tipo</translation>
    </message>
    <message>
        <source>share of wrong answers</source>
        <translation>porcentaje de errores</translation>
    </message>
</context>
<context>
    <name>FeedbackLine</name>
    <message>
        <source>You played %1 — it was %2</source>
        <translation>Tocaste %1 — era %2</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Ayuda de color</translation>
    </message>
</context>
<context>
    <name>HeatMap</name>
    <message>
        <source>%1: never asked</source>
        <translation>%1: nunca preguntada</translation>
    </message>
    <message>
        <source>%1: %2 of %3 right (%4)</source>
        <translation>%1: %2 de %3 acertadas (%4)</translation>
    </message>
    <message>
        <source>100 % right</source>
        <translation>100 % acertadas</translation>
    </message>
    <message>
        <source>never asked</source>
        <translation>nunca preguntada</translation>
    </message>
    <message>
        <source>Point at a key to see its answers.</source>
        <translation>Señala una tecla para ver sus respuestas.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvelle is software for developing absolute pitch, also called perfect pitch: the ability to recognise a note by ear alone, without a reference tone. For a musician it is a precious skill, because the sound you hear in your mind leads straight to the right note on your instrument. Absolute pitch is not only a gift you are born with. It can be developed over time with the right method, and Orvelle is built on that method.</source>
        <translation>Orvelle es un programa para desarrollar el oído absoluto: la capacidad de reconocer una nota solo de oído, sin nota de referencia. Para un músico es una habilidad valiosa, porque el sonido que oyes en tu mente te lleva directamente a la nota correcta en tu instrumento. El oído absoluto no es solo un don de nacimiento. Se puede desarrollar con el tiempo siguiendo el método adecuado, y Orvelle se basa en ese método.</translation>
    </message>
    <message>
        <source>You begin with a single note, played equally often in all octaves of the piano. Orvelle follows your answers, and when you are ready it adds a second note, then a third, until all 12 notes of the chromatic scale are played across every octave. If you prefer, you can choose yourself how many notes are played by clicking a level above the progress strip.</source>
        <translation>Empiezas con una sola nota, que suena igual de a menudo en todas las octavas del piano. Orvelle sigue tus respuestas y, cuando estás preparado, añade una segunda nota, luego una tercera, hasta que suenan las 12 notas de la escala cromática en todas las octavas. Si lo prefieres, puedes elegir tú mismo cuántas notas suenan haciendo clic en un nivel encima de la barra de progreso.</translation>
    </message>
    <message>
        <source>Colour can help you memorise the sound of a tone. When the colour hint is switched on, the window takes on the colour of each note while it is played, so that every note gets a face of its own.</source>
        <translation>El color puede ayudarte a memorizar el sonido de una nota. Con la ayuda de color activada, la ventana toma el color de cada nota mientras suena, de modo que cada nota tiene su propia cara.</translation>
    </message>
    <message>
        <source>To answer, click the right key with the mouse on the keyboard at the bottom of the window. You can also plug a MIDI keyboard into your computer by USB: its keys count exactly like clicks on the keyboard on the screen. Only the exact key counts, octave included.</source>
        <translation>Para responder, haz clic con el ratón en la tecla correcta del teclado de la parte inferior de la ventana. También puedes conectar un teclado MIDI al ordenador por USB: sus teclas cuentan igual que los clics en el teclado de la pantalla. Solo cuenta la tecla exacta, octava incluida.</translation>
    </message>
    <message>
        <source>The way to absolute pitch</source>
        <translation>El camino al oído absoluto</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Ayuda de color</translation>
    </message>
    <message>
        <source>Midi and graphical keyboard</source>
        <translation>Teclado MIDI y teclado en pantalla</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close help</source>
        <translation>Cerrar la ayuda</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>Don&apos;t show this anymore at programm startup</source>
        <translation>No volver a mostrar al iniciar</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Visita nuestra web</translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>The answer history %1 cannot be read</source>
        <translation>No se puede leer el historial de respuestas %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 is one of Orvelle&apos;s own files; the export does not write over it</source>
        <translation>%1 es uno de los archivos de Orvelle; la exportación no lo sobrescribe</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1</source>
        <translation>No se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>Standard output</source>
        <translation>Salida estándar</translation>
    </message>
</context>
<context>
    <name>HistoryRecovery</name>
    <message>
        <source>Not recovered: %1.</source>
        <translation>No recuperado: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers recovered; %1 could not be read.</source>
        <translation>
            <numerusform>Se recuperó %n respuesta; %1 no se pudieron leer.</numerusform>
            <numerusform>Se recuperaron %n respuestas; %1 no se pudieron leer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answers recovered.</source>
        <translation>
            <numerusform>Se recuperó %n respuesta.</numerusform>
            <numerusform>Se recuperaron %n respuestas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n finished pitch tests recovered.</source>
        <translation>
            <numerusform>%n prueba de oído absoluto terminada recuperada.</numerusform>
            <numerusform>%n pruebas de oído absoluto terminadas recuperadas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InstrumentSettings</name>
    <message>
        <source>Instrument</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Each question is played on one of the ticked instruments, at random.</source>
        <translation>Cada pregunta suena en uno de los instrumentos marcados, al azar.</translation>
    </message>
    <message>
        <source>The questions are played on this instrument.</source>
        <translation>Las preguntas suenan en este instrumento.</translation>
    </message>
    <message>
        <source>Vary the instrument</source>
        <translation>Variar el instrumento</translation>
    </message>
    <message>
        <source>Reference pitch</source>
        <translation>Diapasón</translation>
    </message>
    <message>
        <source>Lower the reference pitch</source>
        <translation>Bajar el diapasón</translation>
    </message>
    <message>
        <source>Raise the reference pitch</source>
        <translation>Subir el diapasón</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>440 Hz is concert pitch; 415 Hz is usual for baroque music, 442 to 446 Hz for many orchestras.</source>
        <translation>440 Hz es el diapasón normal; 415 Hz es habitual en la música barroca, y de 442 a 446 Hz en muchas orquestas.</translation>
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
        <translation>Piano</translation>
    </message>
    <message>
        <source>Electric piano</source>
        <translation>Piano eléctrico</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>Clave</translation>
    </message>
    <message>
        <source>Organ</source>
        <translation>Órgano</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Guitarra</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violín</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flauta</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>Clarinete</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompeta</translation>
    </message>
    <message>
        <source>Choir</source>
        <translation>Coro</translation>
    </message>
    <message>
        <source>Vibraphone</source>
        <translation>Vibráfono</translation>
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
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <translation>El del sistema</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>El idioma cambia en el próximo inicio.</translation>
    </message>
    <message>
        <source>Note names</source>
        <translation>Nombres de las notas</translation>
    </message>
    <message>
        <source>C D E … B</source>
        <translation>C D E … B</translation>
    </message>
    <message>
        <source>C D E … H (B for B♭)</source>
        <translation>C D E … H (B por si♭)</translation>
    </message>
    <message>
        <source>Do Ré Mi … Si</source>
        <translation>Do Re Mi … Si</translation>
    </message>
    <message>
        <source>middle C = C4</source>
        <translation>do central = C4</translation>
    </message>
    <message>
        <source>middle C = do 3</source>
        <translation>do central = do 3</translation>
    </message>
</context>
<context>
    <name>LeaveLevelDialog</name>
    <message>
        <source>Start level %1 again? Your answers in this round are kept in the history.</source>
        <translation>¿Empezar de nuevo el nivel %1? Tus respuestas de esta ronda se guardan en el historial.</translation>
    </message>
    <message>
        <source>Leave level %1? Your answers in this round are kept in the history.</source>
        <translation>¿Salir del nivel %1? Tus respuestas de esta ronda se guardan en el historial.</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>LevelArea</name>
    <message>
        <source>Guess the note</source>
        <translation>Adivina la nota</translation>
    </message>
    <message>
        <source>Level: number of notes</source>
        <translation>Nivel: número de notas</translation>
    </message>
    <message>
        <source>Level %1 of %2</source>
        <translation>Nivel %1 de %2</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <source>Click on note</source>
        <translation>Haz clic en la nota</translation>
    </message>
    <message>
        <source>PERFECT PITCH</source>
        <translation>OÍDO ABSOLUTO</translation>
    </message>
</context>
<context>
    <name>LevelTiles</name>
    <message>
        <source>LEVEL</source>
        <translation>NIVEL</translation>
    </message>
</context>
<context>
    <name>PitchTest</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Pitch test</source>
        <translation>Prueba de oído absoluto</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>No se puede escribir %1</translation>
    </message>
    <message>
        <source>Finished %1; order seed %2</source>
        <translation>Terminada el %1; semilla del orden %2</translation>
    </message>
    <message>
        <source>Pitch class right, all tones: %1 %</source>
        <translation>Clase de altura acertada, todos los sonidos: %1 %</translation>
    </message>
    <message>
        <source>Pitch class right</source>
        <translation>Clase de altura acertada</translation>
    </message>
    <message>
        <source>Exact key (octave too)</source>
        <translation>Tecla exacta (octava incluida)</translation>
    </message>
    <message>
        <source>Points (1 right, 0.75 a semitone off)</source>
        <translation>Puntos (1 si acierta, 0,75 a un semitono)</translation>
    </message>
    <message>
        <source>Mean error (semitones, 0-6)</source>
        <translation>Error medio (semitonos, 0-6)</translation>
    </message>
    <message>
        <source>Bias (+ sharp, - flat)</source>
        <translation>Sesgo (+ hacia el agudo, − hacia el grave)</translation>
    </message>
    <message>
        <source>Median reaction time</source>
        <translation>Mediana del tiempo de reacción</translation>
    </message>
    <message>
        <source>Right answers within 2.0 s</source>
        <translation>Aciertos en 2,0 s o menos</translation>
    </message>
    <message>
        <source>Absolute pitch line (24.5 of 36 on pure tones): reached</source>
        <translation>Umbral de oído absoluto (24,5 de 36 en tonos puros): alcanzado</translation>
    </message>
    <message>
        <source>Absolute pitch line (24.5 of 36 on pure tones): not reached</source>
        <translation>Umbral de oído absoluto (24,5 de 36 en tonos puros): no alcanzado</translation>
    </message>
    <message>
        <source>No pitch test finished yet.</source>
        <translation>Todavía no has terminado ninguna prueba de oído absoluto.</translation>
    </message>
    <message>
        <source>Finished            Pure tone  Piano   Pitch class  Exact key  AP line</source>
        <translation>Terminada         Tono puro   Piano        Clase      Tecla  Umbral</translation>
    </message>
    <message>
        <source>reached</source>
        <translation>alcanzado</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>no alcanzado</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Pure tone</source>
        <translation>Tono puro</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>chance</source>
        <translation>azar</translation>
    </message>
    <message>
        <source>non-possessors</source>
        <translation>sin oído absoluto</translation>
    </message>
    <message>
        <source>possessors</source>
        <translation>con oído absoluto</translation>
    </message>
    <message>
        <source>Right per pitch class (all tones)</source>
        <translation>Aciertos por clase de altura (todos los sonidos)</translation>
    </message>
    <message>
        <source>Confusions (rows: tone played; columns: key answered)</source>
        <translation>Confusiones (filas: sonido tocado; columnas: tecla respondida)</translation>
    </message>
    <message>
        <source>Pitch tests cannot be kept: there is no answer history.</source>
        <translation>No se pueden guardar las pruebas de oído absoluto: no hay historial de respuestas.</translation>
    </message>
    <message>
        <source>Pitch tests cannot be kept: the answer history cannot be opened.</source>
        <translation>No se pueden guardar las pruebas de oído absoluto: no se puede abrir el historial de respuestas.</translation>
    </message>
    <message>
        <source>no version</source>
        <translation>sin versión</translation>
    </message>
    <message>
        <source>Pitch tests are not kept: the answer history comes from a newer version of the program.</source>
        <translation>Las pruebas de oído absoluto no se guardan: el historial de respuestas procede de una versión más reciente del programa.</translation>
    </message>
    <message>
        <source>tables missing</source>
        <translation>faltan tablas</translation>
    </message>
    <message>
        <source>The pitch tests in the answer history cannot be read (%1); training is not affected.</source>
        <translation>No se pueden leer las pruebas de oído absoluto del historial de respuestas (%1); la práctica no se ve afectada.</translation>
    </message>
    <message>
        <source>tests</source>
        <translation>pruebas</translation>
    </message>
    <message>
        <source>test %1</source>
        <translation>prueba %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>The pitch tests cannot be read</source>
        <translation>No se pueden leer las pruebas de oído absoluto</translation>
    </message>
</context>
<context>
    <name>PitchTest::TestController</name>
    <message>
        <source>Pure tones and the noise come from the built-in synthesiser; the output chosen plays its own sound instead. Choose the built-in synthesiser in the settings for a test that counts.</source>
        <translation>Los tonos puros y el ruido salen del sintetizador integrado; la salida elegida toca en su lugar su propio sonido. Elige el sintetizador integrado en los ajustes para que la prueba cuente.</translation>
    </message>
    <message>
        <source>Pitch tests cannot be kept: there is no answer history.</source>
        <translation>No se pueden guardar las pruebas de oído absoluto: no hay historial de respuestas.</translation>
    </message>
    <message>
        <source>This test is not being kept: the answer history cannot be written.</source>
        <translation>Esta prueba no se está guardando: no se puede escribir en el historial de respuestas.</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Correcto: %1</translation>
    </message>
    <message>
        <source>It was %1; you played %2</source>
        <translation>Era %1; has tocado %2</translation>
    </message>
    <message>
        <source>Answers wait to be kept: the answer history cannot be written just now.</source>
        <translation>Hay respuestas pendientes de guardar: ahora mismo no se puede escribir en el historial de respuestas.</translation>
    </message>
    <message>
        <source>There is no report to print yet.</source>
        <translation>Todavía no hay ningún informe que imprimir.</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Guardado en %1</translation>
    </message>
</context>
<context>
    <name>PitchTestButton</name>
    <message>
        <source>Pitch test (Ctrl+T)</source>
        <translation>Prueba de oído absoluto (Ctrl+T)</translation>
    </message>
    <message>
        <source>Pitch test</source>
        <translation>Prueba de oído absoluto</translation>
    </message>
</context>
<context>
    <name>PitchTestIntro</name>
    <message>
        <source>Pitch test</source>
        <translation>Prueba de oído absoluto</translation>
    </message>
    <message>
        <source>72 notes, about 8 minutes: 36 on the piano and 36 pure tones, in two blocks with a rest between. First 4 practice notes tell you whether you were right; after that there is no feedback until the end. Answer with any key of the right name: the octave is scored separately. Each answer is followed by 2 seconds of noise. Escape leaves the test; you can take it up again later.</source>
        <translation>72 notas, unos 8 minutos: 36 en el piano y 36 tonos puros, en dos bloques con una pausa entre ellos. Las 4 primeras notas de práctica te dicen si acertaste; después no hay ninguna indicación hasta el final. Responde con cualquier tecla del nombre correcto: la octava se puntúa aparte. Tras cada respuesta suenan 2 segundos de ruido. Escape sale de la prueba; puedes retomarla más tarde.</translation>
    </message>
    <message numerus="yes">
        <source>A test you began has %n of 72 notes answered. Resume it, or discard it to start again.</source>
        <translation>
            <numerusform>En una prueba que empezaste has respondido %n nota de 72. Retómala o descártala para empezar de nuevo.</numerusform>
            <numerusform>En una prueba que empezaste has respondido %n notas de 72. Retómala o descártala para empezar de nuevo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Back to training</source>
        <translation>Volver a la práctica</translation>
    </message>
</context>
<context>
    <name>PitchTestPanel</name>
    <message>
        <source>Pitch test</source>
        <translation>Prueba de oído absoluto</translation>
    </message>
</context>
<context>
    <name>PitchTestReport</name>
    <message>
        <source>Pitch test — %1</source>
        <translation>Prueba de oído absoluto — %1</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Pure tone</source>
        <translation>Tono puro</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Pitch class right, all tones: %1 %</source>
        <translation>Clase de altura acertada, todos los sonidos: %1 %</translation>
    </message>
    <message>
        <source>chance</source>
        <translation>azar</translation>
    </message>
    <message>
        <source>non-possessors</source>
        <translation>sin oído absoluto</translation>
    </message>
    <message>
        <source>possessors</source>
        <translation>con oído absoluto</translation>
    </message>
    <message>
        <source>Right per pitch class</source>
        <translation>Aciertos por clase de altura</translation>
    </message>
    <message>
        <source>Confusions (rows: note played, columns: key answered)</source>
        <translation>Confusiones (filas: nota tocada, columnas: tecla respondida)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Back to training</source>
        <translation>Volver a la práctica</translation>
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
        <translation>Vas por la mitad. El segundo bloque empieza cuando termine la pausa.</translation>
    </message>
    <message>
        <source>Go on now</source>
        <translation>Seguir ya</translation>
    </message>
</context>
<context>
    <name>PitchTestScores</name>
    <message>
        <source>No pitch test finished yet. Ctrl+T starts one.</source>
        <translation>Todavía no has terminado ninguna prueba de oído absoluto. Ctrl+T inicia una.</translation>
    </message>
    <message>
        <source>Pitch tests</source>
        <translation>Pruebas de oído absoluto</translation>
    </message>
    <message>
        <source>pure tones (of 36)</source>
        <translation>tonos puros (de 36)</translation>
    </message>
    <message>
        <source>piano (of 36)</source>
        <translation>piano (de 36)</translation>
    </message>
    <message>
        <source>absolute pitch line, 24.5</source>
        <translation>umbral de oído absoluto, 24,5</translation>
    </message>
    <message>
        <source>%1   pure tones %2   piano %3   pitch class %4 %   exact key %5 %   AP line reached</source>
        <extracomment>One finished test: date, points of 36 on pure tones and piano, per cent right.</extracomment>
        <translation>%1   tonos puros %2   piano %3   clase de altura %4 %   tecla exacta %5 %   umbral alcanzado</translation>
    </message>
    <message>
        <source>%1   pure tones %2   piano %3   pitch class %4 %   exact key %5 %</source>
        <translation>%1   tonos puros %2   piano %3   clase de altura %4 %   tecla exacta %5 %</translation>
    </message>
</context>
<context>
    <name>PitchTestTrial</name>
    <message>
        <source>Practice %1 of %2</source>
        <translation>Práctica %1 de %2</translation>
    </message>
    <message>
        <source>Note %1 of %2</source>
        <translation>Nota %1 de %2</translation>
    </message>
    <message>
        <source>Which note was it?</source>
        <translation>¿Qué nota era?</translation>
    </message>
    <message>
        <source>Escape leaves the test; it can be resumed.</source>
        <translation>Escape sale de la prueba; se puede retomar.</translation>
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
        <translation>Unísono</translation>
    </message>
    <message>
        <source>Minor second</source>
        <translation>Segunda menor</translation>
    </message>
    <message>
        <source>Major second</source>
        <translation>Segunda mayor</translation>
    </message>
    <message>
        <source>Minor third</source>
        <translation>Tercera menor</translation>
    </message>
    <message>
        <source>Major third</source>
        <translation>Tercera mayor</translation>
    </message>
    <message>
        <source>Perfect fourth</source>
        <translation>Cuarta justa</translation>
    </message>
    <message>
        <source>Tritone</source>
        <translation>Tritono</translation>
    </message>
    <message>
        <source>Perfect fifth</source>
        <translation>Quinta justa</translation>
    </message>
    <message>
        <source>Minor sixth</source>
        <translation>Sexta menor</translation>
    </message>
    <message>
        <source>Major sixth</source>
        <translation>Sexta mayor</translation>
    </message>
    <message>
        <source>Minor seventh</source>
        <translation>Séptima menor</translation>
    </message>
    <message>
        <source>Major seventh</source>
        <translation>Séptima mayor</translation>
    </message>
    <message>
        <source>Perfect octave</source>
        <translation>Octava justa</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Mayor</translation>
    </message>
    <message>
        <source>Natural m</source>
        <translation>Menor natural</translation>
    </message>
    <message>
        <source>Harmonic m</source>
        <translation>Menor armónica</translation>
    </message>
    <message>
        <source>Melodic m</source>
        <translation>Menor melódica</translation>
    </message>
    <message>
        <source>Pentatonic</source>
        <translation>Pentatónica</translation>
    </message>
    <message>
        <source>Pentatonic m</source>
        <translation>Pentatónica menor</translation>
    </message>
    <message>
        <source>Diminished</source>
        <translation>Disminuida</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>Augmented</source>
        <translation>Aumentada</translation>
    </message>
    <message>
        <source>Whole Tone</source>
        <translation>Tonos enteros</translation>
    </message>
    <message>
        <source>Adagio</source>
        <translation>Adagio</translation>
    </message>
    <message>
        <source>Slow &amp;&amp; stately
 (66-76 bpm)</source>
        <translation>Lento &amp;&amp; majestuoso
 (66-76 ppm)</translation>
    </message>
    <message>
        <source>Allegro</source>
        <translation>Allegro</translation>
    </message>
    <message>
        <source>Fast &amp;&amp; bright
 (120-139 bpm)</source>
        <translation>Rápido &amp;&amp; alegre
 (120-139 ppm)</translation>
    </message>
    <message>
        <source>Andante</source>
        <translation>Andante</translation>
    </message>
    <message>
        <source>At a Walking Pace
 (76-108 bpm)</source>
        <translation>Al paso
 (76-108 ppm)</translation>
    </message>
    <message>
        <source>Largo</source>
        <translation>Largo</translation>
    </message>
    <message>
        <source>Very slow
 (40-60 bpm)</source>
        <translation>Muy lento
 (40-60 ppm)</translation>
    </message>
    <message>
        <source>Moderato</source>
        <translation>Moderato</translation>
    </message>
    <message>
        <source>Moderately
 (101-110 bpm)</source>
        <translation>Moderado
 (101-110 ppm)</translation>
    </message>
    <message>
        <source>Presto</source>
        <translation>Presto</translation>
    </message>
    <message>
        <source>Very fast
 (168-200 bpm)</source>
        <translation>Muy rápido
 (168-200 ppm)</translation>
    </message>
    <message>
        <source>Vivace</source>
        <translation>Vivace</translation>
    </message>
    <message>
        <source>Lively &amp;&amp; fast
 (130-155 bpm)</source>
        <translation>Vivo &amp;&amp; rápido
 (130-155 ppm)</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>The settings file %1 is a link to no settings file of Orvelle&apos;s; it is left alone, and training goes on without keeping its state.</source>
        <translation>El archivo de ajustes %1 es un enlace que no lleva a ningún archivo de ajustes de Orvelle; no se toca y la práctica sigue sin guardar su estado.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file; it is left alone, and training goes on without keeping its state.</source>
        <translation>El archivo de ajustes %1 no es un archivo normal; no se toca y la práctica sigue sin guardar su estado.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read; it is left alone, and training goes on without keeping its state.</source>
        <translation>No se puede leer el archivo de ajustes %1; no se toca y la práctica sigue sin guardar su estado.</translation>
    </message>
    <message>
        <source>The training state cannot be written to %1. It is kept and will be written as soon as it can be.</source>
        <translation>No se puede escribir el estado de la práctica en %1. Se conserva y se escribirá en cuanto se pueda.</translation>
    </message>
</context>
<context>
    <name>ReactionChart</name>
    <message>
        <source>Reaction time per note (s)</source>
        <translation>Tiempo de reacción por nota (s)</translation>
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
        <translation>Repetir el nivel 12</translation>
    </message>
    <message>
        <source>Next round</source>
        <translation>Siguiente ronda</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 of %2 right: %3 %, %4 % needed</source>
        <translation>%1 de %2 acertadas: %3 %, se necesita un %4 %</translation>
    </message>
    <message>
        <source>Perfect pitch: all twelve notes</source>
        <translation>Oído absoluto: las doce notas</translation>
    </message>
    <message>
        <source>%1 of %2 right: %3 %. Train level 12 again to keep it.</source>
        <translation>%1 de %2 acertadas: %3 %. Repite el nivel 12 para mantenerlo.</translation>
    </message>
    <message>
        <source>%1 next</source>
        <translation>ahora %1</translation>
    </message>
    <message>
        <source>back to %1</source>
        <translation>vuelta a %1</translation>
    </message>
    <message>
        <source>%1 again</source>
        <translation>otra vez %1</translation>
    </message>
    <message>
        <source>Level %1 passed: %2</source>
        <translation>Nivel %1 superado: %2</translation>
    </message>
    <message>
        <source>Level %1 not passed: %2</source>
        <translation>Nivel %1 no superado: %2</translation>
    </message>
</context>
<context>
    <name>SetAsideHistories</name>
    <message>
        <source>Set aside: %1</source>
        <translation>Apartado: %1</translation>
    </message>
    <message>
        <source>Recovering…</source>
        <translation>Recuperando…</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>StartButton</name>
    <message>
        <source>Next round</source>
        <translation>Siguiente ronda</translation>
    </message>
    <message>
        <source>Replay note</source>
        <translation>Repetir nota</translation>
    </message>
    <message>
        <source>Continue the adaptive course</source>
        <translation>Continuar el curso adaptativo</translation>
    </message>
    <message>
        <source>Continue level %1</source>
        <translation>Seguir con el nivel %1</translation>
    </message>
    <message>
        <source>Begin here</source>
        <translation>Empezar</translation>
    </message>
</context>
<context>
    <name>StatisticsButton</name>
    <message>
        <source>Statistics (F2)</source>
        <translation>Estadísticas (F2)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
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
            <numerusform>%n respuesta</numerusform>
            <numerusform>%n respuestas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Last 7 days: %1, %2 exact, %3, %4 min.</source>
        <translation>Últimos 7 días: %1, %2 exactas, %3, %4 min</translation>
    </message>
    <message>
        <source>Last 30 days: %1, %2 exact, %3, %4 min.</source>
        <translation>Últimos 30 días: %1, %2 exactas, %3, %4 min</translation>
    </message>
    <message>
        <source>At level %1: %2, %3 exact, %4, %5 min.</source>
        <translation>En el nivel %1: %2, %3 exactas, %4, %5 min</translation>
    </message>
    <message>
        <source>%1: %2 exact, %3 ignoring the octave. Training days in a row: %4.</source>
        <translation>%1: %2 exactas, %3 sin contar la octava. Días seguidos de práctica: %4.</translation>
    </message>
    <message>
        <source>All days: %1, %2 min.</source>
        <translation>Todos los días: %1, %2 min</translation>
    </message>
    <message>
        <source>No answers from MIDI keyboards yet.</source>
        <translation>Todavía no hay respuestas desde teclados MIDI.</translation>
    </message>
    <message>
        <source>No answers on the screen keyboard yet.</source>
        <translation>Todavía no hay respuestas en el teclado de la pantalla.</translation>
    </message>
    <message>
        <source>No answers in the last 7 days.</source>
        <translation>No hay respuestas en los últimos 7 días.</translation>
    </message>
    <message>
        <source>No answers at level %1 yet.</source>
        <translation>Todavía no hay respuestas en el nivel %1.</translation>
    </message>
    <message>
        <source>Answer a few questions and your statistics appear here.</source>
        <translation>Responde a unas cuantas preguntas y aquí aparecerán tus estadísticas.</translation>
    </message>
    <message>
        <source>In the adaptive course: %1, %2 exact, %3, %4 min.</source>
        <translation>En el curso adaptativo: %1, %2 exactas, %3, %4 min</translation>
    </message>
    <message>
        <source>No answers in the adaptive course yet.</source>
        <translation>Todavía no hay respuestas en el curso adaptativo.</translation>
    </message>
</context>
<context>
    <name>StatisticsModel</name>
    <message>
        <source>The answer history cannot be read just now; training goes on.</source>
        <translation>Ahora mismo no se puede leer el historial de respuestas; la práctica sigue.</translation>
    </message>
    <message>
        <source>octave</source>
        <translation>octava</translation>
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
            <numerusform>%n respuesta</numerusform>
            <numerusform>%n respuestas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>6 semitones (tritone)</source>
        <translation>6 semitonos (tritono)</translation>
    </message>
    <message numerus="yes">
        <source>+%n semitones</source>
        <translation>
            <numerusform>+%n semitono</numerusform>
            <numerusform>+%n semitonos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>-%n semitones</source>
        <translation>
            <numerusform>-%n semitono</numerusform>
            <numerusform>-%n semitonos</numerusform>
        </translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>asked</source>
        <translation>preguntadas</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exactas</translation>
    </message>
    <message>
        <source>ignoring the octave</source>
        <translation>sin contar la octava</translation>
    </message>
    <message>
        <source>median reaction</source>
        <translation>reacción mediana</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Respuestas erróneas: %1</translation>
    </message>
    <message>
        <source>right note, other octave</source>
        <translation>nota correcta, otra octava</translation>
    </message>
    <message>
        <source>mean error, octaves ignored: %1 semitones</source>
        <translation>error medio, sin contar octavas: %1 semitonos</translation>
    </message>
    <message>
        <source>No answers yet: answer a few questions and your statistics appear here.</source>
        <translation>Todavía no hay respuestas: responde a unas cuantas preguntas y aquí aparecerán tus estadísticas.</translation>
    </message>
    <message>
        <source>%1: %2 exact, %3 ignoring the octave</source>
        <translation>%1: %2 exactas, %3 sin contar la octava</translation>
    </message>
    <message>
        <source>Last 7 days: %1 on %2, %3 exact, %4 ignoring the octave, %5</source>
        <translation>Últimos 7 días: %1 en %2, %3 exactas, %4 sin contar la octava, %5</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 exact</source>
        <translation>%1 exactas</translation>
    </message>
    <message>
        <source>%1 ignoring the octave</source>
        <translation>%1 sin contar la octava</translation>
    </message>
    <message>
        <source>Training days in a row: %1</source>
        <translation>Días seguidos de práctica: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Desde el principio</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Últimos 7 días</translation>
    </message>
    <message>
        <source>Answers from</source>
        <translation>Respuestas desde</translation>
    </message>
    <message>
        <source>All answers</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>MIDI keyboards</source>
        <translation>Teclados MIDI</translation>
    </message>
    <message>
        <source>On screen</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Reading your answers…</source>
        <translation>Leyendo tus respuestas…</translation>
    </message>
    <message>
        <source>Right answers per question</source>
        <translation>Aciertos por pregunta</translation>
    </message>
    <message>
        <source>Heat map</source>
        <translation>Mapa de calor</translation>
    </message>
    <message>
        <source>By key</source>
        <translation>Por tecla</translation>
    </message>
    <message>
        <source>By pitch class</source>
        <translation>Por nota</translation>
    </message>
    <message>
        <source>Mean error, octaves ignored: %1 semitones</source>
        <translation>Error medio, sin contar octavas: %1 semitonos</translation>
    </message>
    <message>
        <source>Confusions: question (row) and answer (column)</source>
        <translation>Confusiones: pregunta (fila) y respuesta (columna)</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Pitch tests</source>
        <translation>Pruebas de oído absoluto</translation>
    </message>
    <message>
        <source>This course</source>
        <translation>Este curso</translation>
    </message>
</context>
<context>
    <name>TrainingSettings</name>
    <message>
        <source>After a wrong answer</source>
        <translation>Tras una respuesta errónea</translation>
    </message>
    <message>
        <source>Go on to the next question at once</source>
        <translation>Pasar enseguida a la siguiente pregunta</translation>
    </message>
    <message>
        <source>Pause 2 s and play the right note once more</source>
        <translation>Esperar 2 s y tocar otra vez la nota correcta</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Name the C keys (%1 to %2)</source>
        <translation>Rotular los Do (%1 a %2)</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>Day by day</source>
        <translation>Día a día</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exactas</translation>
    </message>
    <message>
        <source>ignoring octave</source>
        <translation>sin octava</translation>
    </message>
    <message>
        <source>median reaction</source>
        <translation>reacción mediana</translation>
    </message>
</context>
</TS>
