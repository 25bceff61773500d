<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AnswerHistory</name>
    <message>
        <source>The answer history %1 cannot be read</source>
        <translation>L’historique des réponses %1 est illisible</translation>
    </message>
    <message>
        <source>The history cannot be written: the disk is full. Your answers are kept and will be written when space is free.</source>
        <translation>Impossible d’écrire l’historique&#xa0;: le disque est plein. Vos réponses sont conservées et seront écrites dès qu’il y aura de la place.</translation>
    </message>
    <message>
        <source>The history cannot be written: its file or folder is read-only. Your answers are kept and will be written when it can be.</source>
        <translation>Impossible d’écrire l’historique&#xa0;: son fichier ou son dossier est en lecture seule. Vos réponses sont conservées et seront écrites dès que possible.</translation>
    </message>
    <message>
        <source>The history cannot be written: another program is using it. Your answers are kept and will be written when it is free.</source>
        <translation>Impossible d’écrire l’historique&#xa0;: un autre programme l’utilise. Vos réponses sont conservées et seront écrites dès qu’il sera libre.</translation>
    </message>
    <message>
        <source>The history cannot be written just now. Your answers are kept and will be written when it can be.</source>
        <translation>Impossible d’écrire l’historique pour le moment. Vos réponses sont conservées et seront écrites dès que possible.</translation>
    </message>
    <message>
        <source>The answer history was written by a newer version of Orvelle; it is left as it is, and this version trains without recording answers.</source>
        <translation>L’historique des réponses vient d’une version plus récente d’Orvelle&#xa0;; il reste tel quel, et cette version entraîne sans enregistrer les réponses.</translation>
    </message>
    <message>
        <source>The answer history %1 cannot be started; training goes on without recording answers.</source>
        <translation>Impossible de créer l’historique des réponses %1&#xa0;; l’entraînement continue sans enregistrer les réponses.</translation>
    </message>
    <message>
        <source>The answer history %1 is damaged and cannot be set aside; it is kept as it is, and training goes on without recording answers.</source>
        <translation>L’historique des réponses %1 est endommagé et ne peut pas être mis de côté&#xa0;; il reste tel quel, et l’entraînement continue sans enregistrer les réponses.</translation>
    </message>
    <message>
        <source>The answer history was damaged and set aside as %1, but %2 cannot be moved; training goes on without recording answers.</source>
        <translation>L’historique des réponses était endommagé et a été mis de côté sous %1, mais %2 ne peut pas être déplacé&#xa0;; l’entraînement continue sans enregistrer les réponses.</translation>
    </message>
    <message>
        <source>The answer history was damaged; it was set aside as %1 and a new one started. The statistics window can recover its answers.</source>
        <translation>L’historique des réponses était endommagé&#xa0;; il a été mis de côté sous %1 et un nouveau a été commencé. La fenêtre des statistiques peut en récupérer les réponses.</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>Impossible d’ouvrir %1</translation>
    </message>
    <message>
        <source>%1 cannot be read at all</source>
        <translation>%1 est totalement illisible</translation>
    </message>
    <message>
        <source>the history cannot be written: %1</source>
        <translation>impossible d’écrire l’historique&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Orvelle cannot play notes and has to stop: %1</source>
        <translation>Orvelle ne peut pas jouer de notes et doit s’arrêter&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation>%1 (erreur %2)</translation>
    </message>
</context>
<context>
    <name>Arrow</name>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
</context>
<context>
    <name>ClassStrip</name>
    <message>
        <source>octave %1</source>
        <translation>octave %1</translation>
    </message>
</context>
<context>
    <name>ColorSwitch</name>
    <message>
        <source>Color hint</source>
        <translation>Aide couleur</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Orvelle needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set)</source>
        <translation>Orvelle a besoin d’un affichage graphique (DISPLAY ou WAYLAND_DISPLAY n’est pas défini)</translation>
    </message>
    <message>
        <source>orvelle: %1
Try &apos;orvelle --help&apos;.
</source>
        <translation>orvelle&#xa0;: %1
Essayez «&#xa0;orvelle --help&#xa0;».
</translation>
    </message>
    <message>
        <source>orvelle: unexpected argument &apos;%1&apos;
Try &apos;orvelle --help&apos;.
</source>
        <translation>orvelle&#xa0;: argument inattendu «&#xa0;%1&#xa0;»
Essayez «&#xa0;orvelle --help&#xa0;».
</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n answers to standard output</source>
        <translation>
            <numerusform>%n réponse écrite sur la sortie standard</numerusform>
            <numerusform>%n réponses écrites sur la sortie standard</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n answers to %1</source>
        <translation>
            <numerusform>%n réponse écrite dans %1</numerusform>
            <numerusform>%n réponses écrites dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the answer history %1 cannot be read</source>
        <translation>l’historique des réponses %1 est illisible</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n pitch test trials to %1</source>
        <translation>
            <numerusform>%n essai des tests d’oreille absolue écrit dans %1</numerusform>
            <numerusform>%n essais des tests d’oreille absolue écrits dans %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConfusionMatrix</name>
    <message>
        <source>answered →</source>
        <translation>réponse →</translation>
    </message>
</context>
<context>
    <name>Core::MidiOutSynthDevice</name>
    <message>
        <source>the synthesizer could not be started; notes will be silent</source>
        <translation>le synthétiseur n’a pas pu démarrer&#xa0;; les notes resteront muettes</translation>
    </message>
    <message>
        <source>no General MIDI soundfont found (looked for %1); notes will be silent</source>
        <translation>aucune SoundFont General MIDI trouvée (cherché&#xa0;: %1)&#xa0;; les notes resteront muettes</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>audio output is unavailable (no sound server or sound card); notes will be silent</source>
        <translation>aucune sortie audio (ni serveur de son ni carte son)&#xa0;; les notes resteront muettes</translation>
    </message>
    <message>
        <source>rendering offline with %1</source>
        <translation>rendu hors ligne avec %1</translation>
    </message>
    <message>
        <source>playing %1 through %2</source>
        <translation>joue %1 sur %2</translation>
    </message>
</context>
<context>
    <name>Core::Timer</name>
    <message>
        <source>Error starting timer</source>
        <translation>Impossible de démarrer le minuteur</translation>
    </message>
</context>
<context>
    <name>Course</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>verrouillée</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>en apprentissage</translation>
    </message>
    <message>
        <source>secure</source>
        <translation>acquise</translation>
    </message>
    <message>
        <source>mastered</source>
        <translation>maîtrisée</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1 %2 → %3</source>
        <translation>%1 %2 → %3</translation>
    </message>
    <message>
        <source>No note changed its state.</source>
        <translation>Aucune note n’a changé d’état.</translation>
    </message>
    <message>
        <source>Answer within %1 s to count as fast (%2 s before).</source>
        <translation>Répondez en %1&#xa0;s au plus pour que la réponse compte comme rapide (avant&#xa0;: %2&#xa0;s).</translation>
    </message>
    <message>
        <source>Answer within %1 s to count as fast.</source>
        <translation>Répondez en %1&#xa0;s au plus pour que la réponse compte comme rapide.</translation>
    </message>
    <message>
        <source>All twelve notes are in the course.</source>
        <translation>Les douze notes sont dans le parcours.</translation>
    </message>
    <message>
        <source>%1 comes next.</source>
        <translation>Prochaine note&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 comes next, once %2 are secure.</source>
        <translation>Prochaine note&#xa0;: %1, dès que %2 seront acquises.</translation>
    </message>
    <message>
        <source>%1 comes next, once %2 is secure.</source>
        <translation>Prochaine note&#xa0;: %1, dès que %2 sera acquise.</translation>
    </message>
    <message>
        <source>Round %1: %2 of %3 right</source>
        <translation>Tour %1&#xa0;: %2 sur %3 justes</translation>
    </message>
    <message numerus="yes">
        <source>You hear %1 as %2: %n times</source>
        <translation>
            <numerusform>Vous entendez %1 comme %2&#xa0;: une fois</numerusform>
            <numerusform>Vous entendez %1 comme %2&#xa0;: %n fois</numerusform>
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
        <translation>Claviers MIDI</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Sound output</source>
        <translation>Sortie audio</translation>
    </message>
</context>
<context>
    <name>DeviceChoice</name>
    <message>
        <source>(unnamed port)</source>
        <translation>(port sans nom)</translation>
    </message>
    <message>
        <source>All MIDI keyboards</source>
        <translation>Tous les claviers MIDI</translation>
    </message>
    <message>
        <source>Built-in synthesizer</source>
        <translation>Synthétiseur intégré</translation>
    </message>
    <message>
        <source>First MIDI output</source>
        <translation>Première sortie MIDI</translation>
    </message>
    <message>
        <source>No MIDI found</source>
        <translation>Aucun MIDI trouvé</translation>
    </message>
    <message>
        <source>%1 (cannot open)</source>
        <translation>%1 (ouverture impossible)</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (non branché)</translation>
    </message>
    <message>
        <source>Using the %1 keyboard device</source>
        <translation>Clavier MIDI utilisé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ErrorKindsChart</name>
    <message>
        <source>Wrong answers by kind</source>
        <translation>Erreurs par type</translation>
    </message>
    <message>
        <source>share of wrong answers</source>
        <translation>part des erreurs</translation>
    </message>
</context>
<context>
    <name>FeedbackLine</name>
    <message>
        <source>You played %1 — it was %2</source>
        <translation>Vous avez joué %1 — c’était %2</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Aide couleur</translation>
    </message>
</context>
<context>
    <name>HeatMap</name>
    <message>
        <source>%1: never asked</source>
        <translation>%1&#xa0;: jamais demandée</translation>
    </message>
    <message>
        <source>%1: %2 of %3 right (%4)</source>
        <translation>%1&#xa0;: %2 sur %3 justes (%4)</translation>
    </message>
    <message>
        <source>100 % right</source>
        <translation>100&#xa0;% juste</translation>
    </message>
    <message>
        <source>never asked</source>
        <translation>jamais demandée</translation>
    </message>
    <message>
        <source>Point at a key to see its answers.</source>
        <translation>Pointez une touche pour voir ses réponses.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvelle is software for developing absolute pitch, also called perfect pitch: the ability to recognise a note by ear alone, without a reference tone. For a musician it is a precious skill, because the sound you hear in your mind leads straight to the right note on your instrument. Absolute pitch is not only a gift you are born with. It can be developed over time with the right method, and Orvelle is built on that method.</source>
        <translation>Orvelle est un logiciel pour développer l’oreille absolue&#xa0;: la faculté de reconnaître une note à l’oreille seule, sans note de référence. Pour un musicien, c’est un atout précieux, car le son que vous entendez intérieurement mène droit à la bonne note sur votre instrument. L’oreille absolue n’est pas seulement un don de naissance. Elle se développe avec le temps grâce à la bonne méthode, et Orvelle repose sur cette méthode.</translation>
    </message>
    <message>
        <source>You begin with a single note, played equally often in all octaves of the piano. Orvelle follows your answers, and when you are ready it adds a second note, then a third, until all 12 notes of the chromatic scale are played across every octave. If you prefer, you can choose yourself how many notes are played by clicking a level above the progress strip.</source>
        <translation>Vous commencez avec une seule note, jouée aussi souvent dans toutes les octaves du piano. Orvelle suit vos réponses et, quand vous êtes prêt, ajoute une deuxième note, puis une troisième, jusqu’à ce que les 12 notes de la gamme chromatique soient jouées dans toutes les octaves. Si vous préférez, choisissez vous-même le nombre de notes jouées en cliquant sur un niveau au-dessus de la barre de progression.</translation>
    </message>
    <message>
        <source>Colour can help you memorise the sound of a tone. When the colour hint is switched on, the window takes on the colour of each note while it is played, so that every note gets a face of its own.</source>
        <translation>La couleur peut vous aider à mémoriser le son d’une note. Quand l’aide couleur est activée, la fenêtre prend la couleur de chaque note pendant qu’elle est jouée&#xa0;: chaque note a ainsi son propre visage.</translation>
    </message>
    <message>
        <source>To answer, click the right key with the mouse on the keyboard at the bottom of the window. You can also plug a MIDI keyboard into your computer by USB: its keys count exactly like clicks on the keyboard on the screen. Only the exact key counts, octave included.</source>
        <translation>Pour répondre, cliquez avec la souris sur la bonne touche du clavier en bas de la fenêtre. Vous pouvez aussi brancher un clavier MIDI en USB sur votre ordinateur&#xa0;: ses touches comptent exactement comme des clics sur le clavier à l’écran. Seule la touche exacte compte, octave comprise.</translation>
    </message>
    <message>
        <source>The way to absolute pitch</source>
        <translation>Le chemin vers l’oreille absolue</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Aide couleur</translation>
    </message>
    <message>
        <source>Midi and graphical keyboard</source>
        <translation>Clavier MIDI et clavier à l’écran</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close help</source>
        <translation>Fermer l’aide</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Don&apos;t show this anymore at programm startup</source>
        <translation>Ne plus afficher au démarrage</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Visitez notre site web</translation>
    </message>
</context>
<context>
    <name>HistoryExport</name>
    <message>
        <source>The answer history %1 cannot be read</source>
        <translation>L’historique des réponses %1 est illisible</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is one of Orvelle&apos;s own files; the export does not write over it</source>
        <translation>%1 est l’un des fichiers d’Orvelle&#xa0;; l’export ne l’écrase pas</translation>
    </message>
    <message>
        <source>Standard output cannot be written: %1</source>
        <translation>Impossible d’écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>Standard output</source>
        <translation>Sortie standard</translation>
    </message>
</context>
<context>
    <name>HistoryRecovery</name>
    <message>
        <source>Not recovered: %1.</source>
        <translation>Non récupéré&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers recovered; %1 could not be read.</source>
        <translation>
            <numerusform>%n réponse récupérée&#xa0;; %1 illisibles.</numerusform>
            <numerusform>%n réponses récupérées&#xa0;; %1 illisibles.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answers recovered.</source>
        <translation>
            <numerusform>%n réponse récupérée.</numerusform>
            <numerusform>%n réponses récupérées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n finished pitch tests recovered.</source>
        <translation>
            <numerusform>%n test d’oreille absolue terminé récupéré.</numerusform>
            <numerusform>%n tests d’oreille absolue terminés récupérés.</numerusform>
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
        <translation>Chaque question est jouée sur l’un des instruments cochés, au hasard.</translation>
    </message>
    <message>
        <source>The questions are played on this instrument.</source>
        <translation>Les questions sont jouées sur cet instrument.</translation>
    </message>
    <message>
        <source>Vary the instrument</source>
        <translation>Varier l’instrument</translation>
    </message>
    <message>
        <source>Reference pitch</source>
        <translation>Diapason</translation>
    </message>
    <message>
        <source>Lower the reference pitch</source>
        <translation>Baisser le diapason</translation>
    </message>
    <message>
        <source>Raise the reference pitch</source>
        <translation>Monter le diapason</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1&#xa0;Hz</translation>
    </message>
    <message>
        <source>440 Hz is concert pitch; 415 Hz is usual for baroque music, 442 to 446 Hz for many orchestras.</source>
        <translation>440&#xa0;Hz est le diapason de concert&#xa0;; 415&#xa0;Hz est d’usage en musique baroque, 442 à 446&#xa0;Hz dans beaucoup d’orchestres.</translation>
    </message>
    <message>
        <source>%1 = %2 Hz</source>
        <translation>%1 = %2&#xa0;Hz</translation>
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
        <translation>Piano électrique</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>Clavecin</translation>
    </message>
    <message>
        <source>Organ</source>
        <translation>Orgue</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Guitare</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violon</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flûte</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>Clarinette</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompette</translation>
    </message>
    <message>
        <source>Choir</source>
        <translation>Chœur</translation>
    </message>
    <message>
        <source>Vibraphone</source>
        <translation>Vibraphone</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>Pure tone</source>
        <translation>Son pur</translation>
    </message>
</context>
<context>
    <name>LanguageSettings</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Celle du système</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>La langue change au prochain démarrage.</translation>
    </message>
    <message>
        <source>Note names</source>
        <translation>Noms des notes</translation>
    </message>
    <message>
        <source>C D E … B</source>
        <translation>C D E … B</translation>
    </message>
    <message>
        <source>C D E … H (B for B♭)</source>
        <translation>C D E … H (B pour si♭)</translation>
    </message>
    <message>
        <source>Do Ré Mi … Si</source>
        <translation>Do Ré Mi … Si</translation>
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
        <translation>Recommencer le niveau %1&#xa0;? Vos réponses de cette série restent dans l’historique.</translation>
    </message>
    <message>
        <source>Leave level %1? Your answers in this round are kept in the history.</source>
        <translation>Quitter le niveau %1&#xa0;? Vos réponses de cette série restent dans l’historique.</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Rester</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>LevelArea</name>
    <message>
        <source>Guess the note</source>
        <translation>Trouvez la note</translation>
    </message>
    <message>
        <source>Level: number of notes</source>
        <translation>Niveau&#xa0;: nombre de notes</translation>
    </message>
    <message>
        <source>Level %1 of %2</source>
        <translation>Niveau %1 sur %2</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>Click on note</source>
        <translation>Cliquez sur la note</translation>
    </message>
    <message>
        <source>PERFECT PITCH</source>
        <translation>OREILLE ABSOLUE</translation>
    </message>
</context>
<context>
    <name>LevelTiles</name>
    <message>
        <source>LEVEL</source>
        <translation>NIVEAU</translation>
    </message>
</context>
<context>
    <name>PitchTest</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Pitch test</source>
        <translation>Test d’oreille absolue</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossible d’écrire %1</translation>
    </message>
    <message>
        <source>Finished %1; order seed %2</source>
        <translation>Terminé le %1&#xa0;; graine de l’ordre %2</translation>
    </message>
    <message>
        <source>Pitch class right, all tones: %1 %</source>
        <translation>Classe de hauteur juste, tous sons confondus&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Pitch class right</source>
        <translation>Classe de hauteur juste</translation>
    </message>
    <message>
        <source>Exact key (octave too)</source>
        <translation>Touche exacte (octave comprise)</translation>
    </message>
    <message>
        <source>Points (1 right, 0.75 a semitone off)</source>
        <translation>Points (1 si juste, 0,75 à un demi-ton près)</translation>
    </message>
    <message>
        <source>Mean error (semitones, 0-6)</source>
        <translation>Erreur moyenne (demi-tons, 0-6)</translation>
    </message>
    <message>
        <source>Bias (+ sharp, - flat)</source>
        <translation>Biais (+ trop haut, − trop bas)</translation>
    </message>
    <message>
        <source>Median reaction time</source>
        <translation>Temps de réaction médian</translation>
    </message>
    <message>
        <source>Right answers within 2.0 s</source>
        <translation>Réponses justes en 2,0&#xa0;s au plus</translation>
    </message>
    <message>
        <source>Absolute pitch line (24.5 of 36 on pure tones): reached</source>
        <translation>Seuil d’oreille absolue (24,5 sur 36 en sons purs)&#xa0;: atteint</translation>
    </message>
    <message>
        <source>Absolute pitch line (24.5 of 36 on pure tones): not reached</source>
        <translation>Seuil d’oreille absolue (24,5 sur 36 en sons purs)&#xa0;: non atteint</translation>
    </message>
    <message>
        <source>No pitch test finished yet.</source>
        <translation>Aucun test d’oreille absolue terminé pour l’instant.</translation>
    </message>
    <message>
        <source>Finished            Pure tone  Piano   Pitch class  Exact key  AP line</source>
        <translation>Terminé le          Son pur   Piano       Classe     Touche  Seuil</translation>
    </message>
    <message>
        <source>reached</source>
        <translation>atteint</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>non atteint</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Pure tone</source>
        <translation>Son pur</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Ensemble</translation>
    </message>
    <message>
        <source>chance</source>
        <translation>hasard</translation>
    </message>
    <message>
        <source>non-possessors</source>
        <translation>sans oreille absolue</translation>
    </message>
    <message>
        <source>possessors</source>
        <translation>avec oreille absolue</translation>
    </message>
    <message>
        <source>Right per pitch class (all tones)</source>
        <translation>Réponses justes par classe de hauteur (tous sons)</translation>
    </message>
    <message>
        <source>Confusions (rows: tone played; columns: key answered)</source>
        <translation>Confusions (lignes&#xa0;: son joué&#xa0;; colonnes&#xa0;: touche répondue)</translation>
    </message>
    <message>
        <source>Pitch tests cannot be kept: there is no answer history.</source>
        <translation>Impossible de conserver les tests d’oreille absolue&#xa0;: il n’y a pas d’historique des réponses.</translation>
    </message>
    <message>
        <source>Pitch tests cannot be kept: the answer history cannot be opened.</source>
        <translation>Impossible de conserver les tests d’oreille absolue&#xa0;: l’historique des réponses ne s’ouvre pas.</translation>
    </message>
    <message>
        <source>no version</source>
        <translation>pas de version</translation>
    </message>
    <message>
        <source>Pitch tests are not kept: the answer history comes from a newer version of the program.</source>
        <translation>Les tests d’oreille absolue ne sont pas conservés&#xa0;: l’historique des réponses vient d’une version plus récente du programme.</translation>
    </message>
    <message>
        <source>tables missing</source>
        <translation>tables manquantes</translation>
    </message>
    <message>
        <source>The pitch tests in the answer history cannot be read (%1); training is not affected.</source>
        <translation>Les tests d’oreille absolue de l’historique des réponses sont illisibles (%1)&#xa0;; l’entraînement n’est pas touché.</translation>
    </message>
    <message>
        <source>tests</source>
        <translation>tests</translation>
    </message>
    <message>
        <source>test %1</source>
        <translation>test %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The pitch tests cannot be read</source>
        <translation>Les tests d’oreille absolue sont illisibles</translation>
    </message>
</context>
<context>
    <name>PitchTest::TestController</name>
    <message>
        <source>Pure tones and the noise come from the built-in synthesiser; the output chosen plays its own sound instead. Choose the built-in synthesiser in the settings for a test that counts.</source>
        <translation>Les sons purs et le bruit viennent du synthétiseur intégré&#xa0;; la sortie choisie joue son propre son à la place. Choisissez le synthétiseur intégré dans les réglages pour que le test compte.</translation>
    </message>
    <message>
        <source>Pitch tests cannot be kept: there is no answer history.</source>
        <translation>Impossible de conserver les tests d’oreille absolue&#xa0;: il n’y a pas d’historique des réponses.</translation>
    </message>
    <message>
        <source>This test is not being kept: the answer history cannot be written.</source>
        <translation>Ce test n’est pas conservé&#xa0;: impossible d’écrire dans l’historique des réponses.</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Juste&#xa0;: %1</translation>
    </message>
    <message>
        <source>It was %1; you played %2</source>
        <translation>C’était %1&#xa0;; vous avez joué %2</translation>
    </message>
    <message>
        <source>Answers wait to be kept: the answer history cannot be written just now.</source>
        <translation>Des réponses attendent d’être conservées&#xa0;: impossible d’écrire dans l’historique des réponses pour l’instant.</translation>
    </message>
    <message>
        <source>There is no report to print yet.</source>
        <translation>Il n’y a pas encore de rapport à imprimer.</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
</context>
<context>
    <name>PitchTestButton</name>
    <message>
        <source>Pitch test (Ctrl+T)</source>
        <translation>Test d’oreille absolue (Ctrl+T)</translation>
    </message>
    <message>
        <source>Pitch test</source>
        <translation>Test d’oreille absolue</translation>
    </message>
</context>
<context>
    <name>PitchTestIntro</name>
    <message>
        <source>Pitch test</source>
        <translation>Test d’oreille absolue</translation>
    </message>
    <message>
        <source>72 notes, about 8 minutes: 36 on the piano and 36 pure tones, in two blocks with a rest between. First 4 practice notes tell you whether you were right; after that there is no feedback until the end. Answer with any key of the right name: the octave is scored separately. Each answer is followed by 2 seconds of noise. Escape leaves the test; you can take it up again later.</source>
        <translation>72 notes, environ 8 minutes&#xa0;: 36 au piano et 36 sons purs, en deux blocs séparés par une pause. Les 4 premières notes d’essai vous disent si vous aviez juste&#xa0;; ensuite, plus aucun retour jusqu’à la fin. Répondez avec n’importe quelle touche du bon nom&#xa0;: l’octave est notée à part. Chaque réponse est suivie de 2 secondes de bruit. Échap quitte le test&#xa0;; vous pourrez le reprendre plus tard.</translation>
    </message>
    <message numerus="yes">
        <source>A test you began has %n of 72 notes answered. Resume it, or discard it to start again.</source>
        <translation>
            <numerusform>Dans un test commencé, vous avez répondu à %n note sur 72. Reprenez-le, ou abandonnez-le pour recommencer.</numerusform>
            <numerusform>Dans un test commencé, vous avez répondu à %n notes sur 72. Reprenez-le, ou abandonnez-le pour recommencer.</numerusform>
        </translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Back to training</source>
        <translation>Retour à l’entraînement</translation>
    </message>
</context>
<context>
    <name>PitchTestPanel</name>
    <message>
        <source>Pitch test</source>
        <translation>Test d’oreille absolue</translation>
    </message>
</context>
<context>
    <name>PitchTestReport</name>
    <message>
        <source>Pitch test — %1</source>
        <translation>Test d’oreille absolue — %1</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Pure tone</source>
        <translation>Son pur</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Ensemble</translation>
    </message>
    <message>
        <source>Pitch class right, all tones: %1 %</source>
        <translation>Classe de hauteur juste, tous sons confondus&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>chance</source>
        <translation>hasard</translation>
    </message>
    <message>
        <source>non-possessors</source>
        <translation>sans oreille absolue</translation>
    </message>
    <message>
        <source>possessors</source>
        <translation>avec oreille absolue</translation>
    </message>
    <message>
        <source>Right per pitch class</source>
        <translation>Réponses justes par classe de hauteur</translation>
    </message>
    <message>
        <source>Confusions (rows: note played, columns: key answered)</source>
        <translation>Confusions (lignes&#xa0;: note jouée, colonnes&#xa0;: touche répondue)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Back to training</source>
        <translation>Retour à l’entraînement</translation>
    </message>
</context>
<context>
    <name>PitchTestRest</name>
    <message>
        <source>Rest: %1 s</source>
        <translation>Pause&#xa0;: %1&#xa0;s</translation>
    </message>
    <message>
        <source>Half way. The second block begins when the rest is over.</source>
        <translation>Mi-parcours. Le second bloc commence à la fin de la pause.</translation>
    </message>
    <message>
        <source>Go on now</source>
        <translation>Continuer maintenant</translation>
    </message>
</context>
<context>
    <name>PitchTestScores</name>
    <message>
        <source>No pitch test finished yet. Ctrl+T starts one.</source>
        <translation>Aucun test d’oreille absolue terminé pour l’instant. Ctrl+T en lance un.</translation>
    </message>
    <message>
        <source>Pitch tests</source>
        <translation>Tests d’oreille absolue</translation>
    </message>
    <message>
        <source>pure tones (of 36)</source>
        <translation>sons purs (sur 36)</translation>
    </message>
    <message>
        <source>piano (of 36)</source>
        <translation>piano (sur 36)</translation>
    </message>
    <message>
        <source>absolute pitch line, 24.5</source>
        <translation>seuil d’oreille absolue, 24,5</translation>
    </message>
    <message>
        <source>%1   pure tones %2   piano %3   pitch class %4 %   exact key %5 %   AP line reached</source>
        <extracomment>One finished test: date, points of 36 on pure tones and piano, per cent right.</extracomment>
        <translation>%1   sons purs %2   piano %3   classe de hauteur %4&#xa0;%   touche exacte %5&#xa0;%   seuil atteint</translation>
    </message>
    <message>
        <source>%1   pure tones %2   piano %3   pitch class %4 %   exact key %5 %</source>
        <translation>%1   sons purs %2   piano %3   classe de hauteur %4&#xa0;%   touche exacte %5&#xa0;%</translation>
    </message>
</context>
<context>
    <name>PitchTestTrial</name>
    <message>
        <source>Practice %1 of %2</source>
        <translation>Essai %1 sur %2</translation>
    </message>
    <message>
        <source>Note %1 of %2</source>
        <translation>Note %1 sur %2</translation>
    </message>
    <message>
        <source>Which note was it?</source>
        <translation>Quelle note était-ce&#xa0;?</translation>
    </message>
    <message>
        <source>Escape leaves the test; it can be resumed.</source>
        <translation>Échap quitte le test&#xa0;; vous pourrez le reprendre.</translation>
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
        <translation>Unisson</translation>
    </message>
    <message>
        <source>Minor second</source>
        <translation>Seconde mineure</translation>
    </message>
    <message>
        <source>Major second</source>
        <translation>Seconde majeure</translation>
    </message>
    <message>
        <source>Minor third</source>
        <translation>Tierce mineure</translation>
    </message>
    <message>
        <source>Major third</source>
        <translation>Tierce majeure</translation>
    </message>
    <message>
        <source>Perfect fourth</source>
        <translation>Quarte juste</translation>
    </message>
    <message>
        <source>Tritone</source>
        <translation>Triton</translation>
    </message>
    <message>
        <source>Perfect fifth</source>
        <translation>Quinte juste</translation>
    </message>
    <message>
        <source>Minor sixth</source>
        <translation>Sixte mineure</translation>
    </message>
    <message>
        <source>Major sixth</source>
        <translation>Sixte majeure</translation>
    </message>
    <message>
        <source>Minor seventh</source>
        <translation>Septième mineure</translation>
    </message>
    <message>
        <source>Major seventh</source>
        <translation>Septième majeure</translation>
    </message>
    <message>
        <source>Perfect octave</source>
        <translation>Octave juste</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Majeur</translation>
    </message>
    <message>
        <source>Natural m</source>
        <translation>Mineur naturel</translation>
    </message>
    <message>
        <source>Harmonic m</source>
        <translation>Mineur harmonique</translation>
    </message>
    <message>
        <source>Melodic m</source>
        <translation>Mineur mélodique</translation>
    </message>
    <message>
        <source>Pentatonic</source>
        <translation>Pentatonique</translation>
    </message>
    <message>
        <source>Pentatonic m</source>
        <translation>Pentatonique mineure</translation>
    </message>
    <message>
        <source>Diminished</source>
        <translation>Diminuée</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>Augmented</source>
        <translation>Augmentée</translation>
    </message>
    <message>
        <source>Whole Tone</source>
        <translation>Par tons</translation>
    </message>
    <message>
        <source>Adagio</source>
        <translation>Adagio</translation>
    </message>
    <message>
        <source>Slow &amp;&amp; stately
 (66-76 bpm)</source>
        <translation>Lent &amp;&amp; majestueux
 (66-76 bpm)</translation>
    </message>
    <message>
        <source>Allegro</source>
        <translation>Allegro</translation>
    </message>
    <message>
        <source>Fast &amp;&amp; bright
 (120-139 bpm)</source>
        <translation>Rapide &amp;&amp; joyeux
 (120-139 bpm)</translation>
    </message>
    <message>
        <source>Andante</source>
        <translation>Andante</translation>
    </message>
    <message>
        <source>At a Walking Pace
 (76-108 bpm)</source>
        <translation>Allant
 (76-108 bpm)</translation>
    </message>
    <message>
        <source>Largo</source>
        <translation>Largo</translation>
    </message>
    <message>
        <source>Very slow
 (40-60 bpm)</source>
        <translation>Très lent
 (40-60 bpm)</translation>
    </message>
    <message>
        <source>Moderato</source>
        <translation>Moderato</translation>
    </message>
    <message>
        <source>Moderately
 (101-110 bpm)</source>
        <translation>Modéré
 (101-110 bpm)</translation>
    </message>
    <message>
        <source>Presto</source>
        <translation>Presto</translation>
    </message>
    <message>
        <source>Very fast
 (168-200 bpm)</source>
        <translation>Très rapide
 (168-200 bpm)</translation>
    </message>
    <message>
        <source>Vivace</source>
        <translation>Vivace</translation>
    </message>
    <message>
        <source>Lively &amp;&amp; fast
 (130-155 bpm)</source>
        <translation>Vif &amp;&amp; rapide
 (130-155 bpm)</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>The settings file %1 is a link to no settings file of Orvelle&apos;s; it is left alone, and training goes on without keeping its state.</source>
        <translation>Le fichier de réglages %1 est un lien qui ne mène à aucun fichier de réglages d’Orvelle&#xa0;; il n’est pas touché, et l’entraînement continue sans garder sa progression.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file; it is left alone, and training goes on without keeping its state.</source>
        <translation>Le fichier de réglages %1 n’est pas un fichier ordinaire&#xa0;; il n’est pas touché, et l’entraînement continue sans garder sa progression.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read; it is left alone, and training goes on without keeping its state.</source>
        <translation>Le fichier de réglages %1 est illisible&#xa0;; il n’est pas touché, et l’entraînement continue sans garder sa progression.</translation>
    </message>
    <message>
        <source>The training state cannot be written to %1. It is kept and will be written as soon as it can be.</source>
        <translation>Impossible d’écrire la progression dans %1. Elle est conservée et sera écrite dès que possible.</translation>
    </message>
</context>
<context>
    <name>ReactionChart</name>
    <message>
        <source>Reaction time per note (s)</source>
        <translation>Temps de réaction par note (s)</translation>
    </message>
    <message>
        <source>median</source>
        <translation>médiane</translation>
    </message>
</context>
<context>
    <name>ReferenceBar</name>
    <message>
        <source>%1 %2 %</source>
        <extracomment>A mark on the score bar and its per cent: &quot;chance 8.3 %&quot;.</extracomment>
        <translation>%1 %2&#xa0;%</translation>
    </message>
</context>
<context>
    <name>SessionSummary</name>
    <message>
        <source>Train level 12 again</source>
        <translation>Refaire le niveau 12</translation>
    </message>
    <message>
        <source>Next round</source>
        <translation>Série suivante</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 of %2 right: %3 %, %4 % needed</source>
        <translation>%1 sur %2 justes&#xa0;: %3&#xa0;%, %4&#xa0;% requis</translation>
    </message>
    <message>
        <source>Perfect pitch: all twelve notes</source>
        <translation>Oreille absolue&#xa0;: les douze notes</translation>
    </message>
    <message>
        <source>%1 of %2 right: %3 %. Train level 12 again to keep it.</source>
        <translation>%1 sur %2 justes&#xa0;: %3&#xa0;%. Refaites le niveau 12 pour la garder.</translation>
    </message>
    <message>
        <source>%1 next</source>
        <translation>ensuite&#xa0;: %1</translation>
    </message>
    <message>
        <source>back to %1</source>
        <translation>retour à&#xa0;%1</translation>
    </message>
    <message>
        <source>%1 again</source>
        <translation>encore&#xa0;: %1</translation>
    </message>
    <message>
        <source>Level %1 passed: %2</source>
        <translation>Niveau %1 réussi&#xa0;: %2</translation>
    </message>
    <message>
        <source>Level %1 not passed: %2</source>
        <translation>Niveau %1 non réussi&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SetAsideHistories</name>
    <message>
        <source>Set aside: %1</source>
        <translation>Mis de côté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Recovering…</source>
        <translation>Récupération…</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Récupérer</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>StartButton</name>
    <message>
        <source>Next round</source>
        <translation>Série suivante</translation>
    </message>
    <message>
        <source>Replay note</source>
        <translation>Rejouer la note</translation>
    </message>
    <message>
        <source>Continue the adaptive course</source>
        <translation>Continuer le parcours adaptatif</translation>
    </message>
    <message>
        <source>Continue level %1</source>
        <translation>Continuer le niveau %1</translation>
    </message>
    <message>
        <source>Begin here</source>
        <translation>Commencer</translation>
    </message>
</context>
<context>
    <name>StatisticsButton</name>
    <message>
        <source>Statistics (F2)</source>
        <translation>Statistiques (F2)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
</context>
<context>
    <name>StatisticsColors</name>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n réponse</numerusform>
            <numerusform>%n réponses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Last 7 days: %1, %2 exact, %3, %4 min.</source>
        <translation>7 derniers jours&#xa0;: %1, %2 exactes, %3, %4&#xa0;min</translation>
    </message>
    <message>
        <source>Last 30 days: %1, %2 exact, %3, %4 min.</source>
        <translation>30 derniers jours&#xa0;: %1, %2 exactes, %3, %4&#xa0;min</translation>
    </message>
    <message>
        <source>At level %1: %2, %3 exact, %4, %5 min.</source>
        <translation>Au niveau %1&#xa0;: %2, %3 exactes, %4, %5&#xa0;min</translation>
    </message>
    <message>
        <source>%1: %2 exact, %3 ignoring the octave. Training days in a row: %4.</source>
        <translation>%1&#xa0;: %2 exactes, %3 sans compter l’octave. Jours d’entraînement d’affilée&#xa0;: %4.</translation>
    </message>
    <message>
        <source>All days: %1, %2 min.</source>
        <translation>Tous les jours&#xa0;: %1, %2&#xa0;min</translation>
    </message>
    <message>
        <source>No answers from MIDI keyboards yet.</source>
        <translation>Pas encore de réponse depuis un clavier MIDI.</translation>
    </message>
    <message>
        <source>No answers on the screen keyboard yet.</source>
        <translation>Pas encore de réponse sur le clavier à l’écran.</translation>
    </message>
    <message>
        <source>No answers in the last 7 days.</source>
        <translation>Aucune réponse ces 7 derniers jours.</translation>
    </message>
    <message>
        <source>No answers at level %1 yet.</source>
        <translation>Pas encore de réponse au niveau %1.</translation>
    </message>
    <message>
        <source>Answer a few questions and your statistics appear here.</source>
        <translation>Répondez à quelques questions et vos statistiques apparaîtront ici.</translation>
    </message>
    <message>
        <source>In the adaptive course: %1, %2 exact, %3, %4 min.</source>
        <translation>Dans le parcours adaptatif&#xa0;: %1, %2 exactes, %3, %4&#xa0;min</translation>
    </message>
    <message>
        <source>No answers in the adaptive course yet.</source>
        <translation>Pas encore de réponses dans le parcours adaptatif.</translation>
    </message>
</context>
<context>
    <name>StatisticsModel</name>
    <message>
        <source>The answer history cannot be read just now; training goes on.</source>
        <translation>L’historique des réponses est illisible pour le moment&#xa0;; l’entraînement continue.</translation>
    </message>
    <message>
        <source>octave</source>
        <translation>octave</translation>
    </message>
</context>
<context>
    <name>StatisticsReport</name>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n réponse</numerusform>
            <numerusform>%n réponses</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>6 semitones (tritone)</source>
        <translation>6 demi-tons (triton)</translation>
    </message>
    <message numerus="yes">
        <source>+%n semitones</source>
        <translation>
            <numerusform>+%n demi-ton</numerusform>
            <numerusform>+%n demi-tons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>-%n semitones</source>
        <translation>
            <numerusform>-%n demi-ton</numerusform>
            <numerusform>-%n demi-tons</numerusform>
        </translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>asked</source>
        <translation>posées</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exactes</translation>
    </message>
    <message>
        <source>ignoring the octave</source>
        <translation>sans l’octave</translation>
    </message>
    <message>
        <source>median reaction</source>
        <translation>réaction médiane</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1&#xa0;ms</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Mauvaises réponses&#xa0;: %1</translation>
    </message>
    <message>
        <source>right note, other octave</source>
        <translation>bonne note, autre octave</translation>
    </message>
    <message>
        <source>mean error, octaves ignored: %1 semitones</source>
        <translation>écart moyen, sans les octaves&#xa0;: %1 demi-tons</translation>
    </message>
    <message>
        <source>No answers yet: answer a few questions and your statistics appear here.</source>
        <translation>Pas encore de réponse&#xa0;: répondez à quelques questions et vos statistiques apparaîtront ici.</translation>
    </message>
    <message>
        <source>%1: %2 exact, %3 ignoring the octave</source>
        <translation>%1&#xa0;: %2 exactes, %3 sans compter l’octave</translation>
    </message>
    <message>
        <source>Last 7 days: %1 on %2, %3 exact, %4 ignoring the octave, %5</source>
        <translation>7 derniers jours&#xa0;: %1 sur %2, %3 exactes, %4 sans l’octave, %5</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 exact</source>
        <translation>%1 exactes</translation>
    </message>
    <message>
        <source>%1 ignoring the octave</source>
        <translation>%1 sans l’octave</translation>
    </message>
    <message>
        <source>Training days in a row: %1</source>
        <translation>Jours d’entraînement d’affilée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Depuis le début</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <source>Answers from</source>
        <translation>Réponses depuis</translation>
    </message>
    <message>
        <source>All answers</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>MIDI keyboards</source>
        <translation>Claviers MIDI</translation>
    </message>
    <message>
        <source>On screen</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Reading your answers…</source>
        <translation>Lecture de vos réponses…</translation>
    </message>
    <message>
        <source>Right answers per question</source>
        <translation>Bonnes réponses par question</translation>
    </message>
    <message>
        <source>Heat map</source>
        <translation>Carte thermique</translation>
    </message>
    <message>
        <source>By key</source>
        <translation>Par touche</translation>
    </message>
    <message>
        <source>By pitch class</source>
        <translation>Par nom de note</translation>
    </message>
    <message>
        <source>Mean error, octaves ignored: %1 semitones</source>
        <translation>Écart moyen, sans les octaves&#xa0;: %1 demi-tons</translation>
    </message>
    <message>
        <source>Confusions: question (row) and answer (column)</source>
        <translation>Confusions&#xa0;: question (ligne) et réponse (colonne)</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Pitch tests</source>
        <translation>Tests d’oreille absolue</translation>
    </message>
    <message>
        <source>This course</source>
        <translation>Ce parcours</translation>
    </message>
</context>
<context>
    <name>TrainingSettings</name>
    <message>
        <source>After a wrong answer</source>
        <translation>Après une mauvaise réponse</translation>
    </message>
    <message>
        <source>Go on to the next question at once</source>
        <translation>Passer tout de suite à la question suivante</translation>
    </message>
    <message>
        <source>Pause 2 s and play the right note once more</source>
        <translation>Attendre 2&#xa0;s et rejouer la bonne note</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Name the C keys (%1 to %2)</source>
        <translation>Nommer les do (%1 à %2)</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>Day by day</source>
        <translation>Jour après jour</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exactes</translation>
    </message>
    <message>
        <source>ignoring octave</source>
        <translation>sans l’octave</translation>
    </message>
    <message>
        <source>median reaction</source>
        <translation>réaction médiane</translation>
    </message>
</context>
</TS>
