<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="it_IT">
<context>
    <name>brasti::AnswerShow</name>
    <message>
        <source>ora prova tu</source>
        <translation>now you try</translation>
    </message>
</context>
<context>
    <name>brasti::CommandLine</name>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>shows this help and exits</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>shows the version and exits</translation>
    </message>
    <message>
        <source>apre ogni finestra a schermo intero, per la lavagna interattiva</source>
        <translation>opens every window full screen, for the interactive whiteboard</translation>
    </message>
    <message>
        <source>scrive su ogni brasto il suo numero, per chi non distingue i colori</source>
        <translation>writes its number on every rod, for children who do not tell the colours apart</translation>
    </message>
    <message>
        <source>parla la lingua scelta (%1) invece di quella del sistema</source>
        <extracomment>%1 lists the languages&apos; codes, &quot;it, en, es, fr, pt&quot;.</extracomment>
        <translation>speaks the language chosen (%1) instead of the system&apos;s</translation>
    </message>
    <message>
        <source>codice</source>
        <extracomment>The value of --lingua, as the help shows it: --lingua &lt;codice&gt;.</extracomment>
        <translation>code</translation>
    </message>
    <message>
        <source>lingua sconosciuta: %1 (le lingue sono %2)</source>
        <extracomment>%1 is the code asked for, %2 lists the codes of the languages there are.</extracomment>
        <translation>unknown language: %1 (the languages are %2)</translation>
    </message>
    <message>
        <source>opzione sconosciuta: %1%2</source>
        <translation>unknown option: %1%2</translation>
    </message>
    <message>
        <source>opzione non valida</source>
        <translation>invalid option</translation>
    </message>
    <message>
        <source>argomento inatteso: %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <source>Uso: brasti [opzioni]

Esercitazioni matematiche con i brasti colorati,
per i primi anni della scuola primaria.

Opzioni:
</source>
        <translation>Usage: brasti [options]

Maths exercises with the coloured rods,
for the first years of primary school.

Options:
</translation>
    </message>
    <message>
        <source>brasti: %1 (brasti --help elenca le opzioni)</source>
        <translation>brasti: %1 (brasti --help lists the options)</translation>
    </message>
    <message>
        <source>Licenza GPL-3.0-or-later: GNU GPL versione 3 o successiva, senza alcuna garanzia.</source>
        <translation>Licence GPL-3.0-or-later: GNU GPL version 3 or later, without any warranty.</translation>
    </message>
    <message>
        <source>apre il menù con la finestra dell&apos;insegnante</source>
        <translation>opens the menu with the teacher&apos;s window</translation>
    </message>
</context>
<context>
    <name>brasti::CompositionScreen</name>
    <message>
        <source>barra del 10</source>
        <translation>ten bar</translation>
    </message>
    <message>
        <source>brasto da comporre</source>
        <translation>rod to build</translation>
    </message>
    <message>
        <source>seconda barra del 10</source>
        <translation>second ten bar</translation>
    </message>
    <message>
        <source>unità da comporre</source>
        <translation>units to build</translation>
    </message>
    <message>
        <source>riga da riempire</source>
        <translation>row to fill</translation>
    </message>
    <message>
        <source>nella barra del 10</source>
        <translation>in the ten bar</translation>
    </message>
    <message>
        <source>nel brasto da comporre</source>
        <translation>in the rod to build</translation>
    </message>
    <message>
        <source>nella seconda barra del 10</source>
        <translation>in the second ten bar</translation>
    </message>
    <message>
        <source>nell&apos;unità da comporre</source>
        <translation>in the units to build</translation>
    </message>
    <message>
        <source>nella riga da riempire</source>
        <translation>in the row to fill</translation>
    </message>
</context>
<context>
    <name>brasti::Dialogs</name>
    <message>
        <source>Utilizzare i brasti</source>
        <translation>Using the rods</translation>
    </message>
    <message>
        <source>Sì</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>brasti::ExerciseScreen</name>
    <message>
        <source>avanti</source>
        <translation>next</translation>
    </message>
    <message>
        <source>Esatti</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Errati</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>risposta sbagliata</source>
        <translation>wrong answer</translation>
    </message>
    <message>
        <source>risposta esatta</source>
        <translation>right answer</translation>
    </message>
    <message>
        <source>Azzera conteggio</source>
        <translation>Reset count</translation>
    </message>
    <message>
        <source>Informazioni</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>passo giusto</source>
        <translation>right step</translation>
    </message>
    <message>
        <source>esatti %1, errati %2</source>
        <translation>right %1, wrong %2</translation>
    </message>
    <message>
        <source>Vuoi tornare al menù?</source>
        <translation>Do you want to go back to the menu?</translation>
    </message>
    <message>
        <source>operazioni scritte</source>
        <translation>written operations</translation>
    </message>
    <message>
        <source>Operazioni scritte</source>
        <translation>Written operations</translation>
    </message>
    <message>
        <source>visibili</source>
        <translation>visible</translation>
    </message>
    <message>
        <source>invisibili</source>
        <translation>hidden</translation>
    </message>
    <message>
        <source>mostrami</source>
        <translation>show me</translation>
    </message>
    <message>
        <source>ascolta</source>
        <translation>listen</translation>
    </message>
</context>
<context>
    <name>brasti::Exercises</name>
    <message>
        <source>ordina 3 brasti</source>
        <translation>order 3 rods</translation>
    </message>
    <message>
        <source>ordina 4 brasti</source>
        <translation>order 4 rods</translation>
    </message>
    <message>
        <source>ordina 5 brasti</source>
        <translation>order 5 rods</translation>
    </message>
    <message>
        <source>ordina 7 brasti</source>
        <translation>order 7 rods</translation>
    </message>
    <message>
        <source>ordina tutti i brasti</source>
        <translation>order all the rods</translation>
    </message>
    <message>
        <source>trova il brasto in mezzo</source>
        <translation>find the rod in the middle</translation>
    </message>
    <message>
        <source>trova i brasti vicini</source>
        <translation>find the neighbouring rods</translation>
    </message>
    <message>
        <source>trova il   &gt; &lt; =</source>
        <translation>find the   &gt; &lt; =</translation>
    </message>
    <message>
        <source>inserisci   &gt; &lt; =</source>
        <translation>put in   &gt; &lt; =</translation>
    </message>
    <message>
        <source>dal brasto al numero</source>
        <translation>from rod to number</translation>
    </message>
    <message>
        <source>dal numero al brasto</source>
        <translation>from number to rod</translation>
    </message>
    <message>
        <source>componi il 10</source>
        <translation>make 10</translation>
    </message>
    <message>
        <source>trova la somma</source>
        <translation>find the sum</translation>
    </message>
    <message>
        <source>trova la differenza</source>
        <translation>find the difference</translation>
    </message>
    <message>
        <source>somma - differenza</source>
        <translation>sum - difference</translation>
    </message>
    <message>
        <source>scrivi l&apos;addizione (entro il 10)</source>
        <translation>write the addition (up to 10)</translation>
    </message>
    <message>
        <source>componi il brasto</source>
        <translation>build the rod</translation>
    </message>
    <message>
        <source>scrivi la sottrazione (entro il 10)</source>
        <translation>write the subtraction (up to 10)</translation>
    </message>
    <message>
        <source>numeri fino al 20 (utilizzando sempre il 10)</source>
        <translation>numbers up to 20 (always using the 10)</translation>
    </message>
    <message>
        <source>componi i numeri fino al 20</source>
        <translation>build the numbers up to 20</translation>
    </message>
    <message>
        <source>addizioni entro il 10</source>
        <translation>additions up to 10</translation>
    </message>
    <message>
        <source>addizioni entro il 20</source>
        <translation>additions up to 20</translation>
    </message>
    <message>
        <source>sottrazioni entro il 10</source>
        <translation>subtractions up to 10</translation>
    </message>
    <message>
        <source>scrivi l&apos;addizione (entro il 20)</source>
        <translation>write the addition (up to 20)</translation>
    </message>
    <message>
        <source>sottrazioni entro il 20</source>
        <translation>subtractions up to 20</translation>
    </message>
    <message>
        <source>scrivi la sottrazione (entro il 20)</source>
        <translation>write the subtraction (up to 20)</translation>
    </message>
    <message>
        <source>componi il 20</source>
        <translation>make 20</translation>
    </message>
</context>
<context>
    <name>brasti::FocusSpeech</name>
    <message>
        <source>%1, pulsante, %2 di %3</source>
        <extracomment>A focused button and its place among the buttons of its set: &quot;ordina 3 brasti, pulsante, 1 di 27&quot;</extracomment>
        <translation>%1, button, %2 of %3</translation>
    </message>
    <message>
        <source>%1, pulsante</source>
        <extracomment>A focused button, by its name: &quot;Conferma, pulsante&quot;</extracomment>
        <translation>%1, button</translation>
    </message>
    <message>
        <source>%1, pulsante di opzione, selezionato</source>
        <translation>%1, radio button, selected</translation>
    </message>
    <message>
        <source>%1, pulsante di opzione, non selezionato</source>
        <translation>%1, radio button, not selected</translation>
    </message>
    <message>
        <source>%1, casella di controllo, selezionata</source>
        <translation>%1, check box, checked</translation>
    </message>
    <message>
        <source>%1, casella di controllo, non selezionata</source>
        <translation>%1, check box, not checked</translation>
    </message>
    <message>
        <source>%1, campo di testo</source>
        <extracomment>A focused text field by its name, then what it holds: &quot;risposta, campo di testo, 7&quot;</extracomment>
        <translation>%1, text field</translation>
    </message>
    <message>
        <source>%1, campo di testo, %2</source>
        <translation>%1, text field, %2</translation>
    </message>
    <message>
        <source>%1, casella combinata, %2</source>
        <extracomment>A focused drop-down list by its name, then the choice it shows: &quot;lingua, casella combinata, English&quot;</extracomment>
        <translation>%1, combo box, %2</translation>
    </message>
    <message>
        <source>%1, elenco</source>
        <extracomment>A focused list by its name, then its current line: &quot;operazioni scritte, elenco, 3 + 4 = 7&quot;</extracomment>
        <translation>%1, list</translation>
    </message>
    <message>
        <source>%1, elenco, %2</source>
        <translation>%1, list, %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A focused control by its name, then what it tells: &quot;brasto 3, nella casella 2&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 Rispondi %2 o %3.</source>
        <extracomment>A question box as it opens: its question, then its two buttons: &quot;Vuoi uscire dal programma? Rispondi Sì o No.&quot;</extracomment>
        <translation>%1 Answer %2 or %3.</translation>
    </message>
    <message>
        <source>%1 Pulsante: %2.</source>
        <extracomment>A message box as it opens: its text, then its one button: &quot;... Pulsante: OK.&quot;</extracomment>
        <translation>%1 Button: %2.</translation>
    </message>
</context>
<context>
    <name>brasti::MenuScreen</name>
    <message>
        <source>Brasti - esercizi</source>
        <translation>Brasti - exercises</translation>
    </message>
    <message>
        <source>solo con i brasti</source>
        <translation>with rods only</translation>
    </message>
    <message>
        <source>con i numeri</source>
        <translation>with numbers</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>attende la pressione del bottone per proseguire</source>
        <translation>waits for the button to be pressed before going on to the next problem</translation>
    </message>
    <message>
        <source>prosegue automaticamente  negli esercizi</source>
        <translation>goes on to the next problem by itself</translation>
    </message>
</context>
<context>
    <name>brasti::NumberToRodScreen</name>
    <message>
        <source>Numeri in...</source>
        <translation>Numbers in...</translation>
    </message>
    <message>
        <source>parola</source>
        <translation>words</translation>
    </message>
    <message>
        <source>cifre</source>
        <translation>digits</translation>
    </message>
</context>
<context>
    <name>brasti::NumbersWithTenScreen</name>
    <message>
        <source>casella del numero</source>
        <translation>number box</translation>
    </message>
    <message>
        <source>nella casella del numero</source>
        <translation>in the number box</translation>
    </message>
</context>
<context>
    <name>brasti::OrderingScreen</name>
    <message>
        <source>casella %1</source>
        <translation>box %1</translation>
    </message>
    <message>
        <source>ordina dal minore al maggiore </source>
        <translation>order from the smallest to the largest </translation>
    </message>
    <message>
        <source>Ricomincia</source>
        <translation>Start again</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Tipo di ordinamento</source>
        <translation>Kind of order</translation>
    </message>
    <message>
        <source>crescente</source>
        <translation>ascending</translation>
    </message>
    <message>
        <source>decrescente</source>
        <translation>descending</translation>
    </message>
    <message>
        <source>devi sistemare tutti i brasti!</source>
        <translation>you must place all the rods!</translation>
    </message>
    <message>
        <source>ordina dal maggiore al minore </source>
        <translation>order from the largest to the smallest </translation>
    </message>
    <message>
        <source>nella casella %1</source>
        <translation>in box %1</translation>
    </message>
</context>
<context>
    <name>brasti::RelationScreen</name>
    <message>
        <source>scatola a sinistra del segno</source>
        <translation>box left of the sign</translation>
    </message>
    <message>
        <source>scatola a destra del segno</source>
        <translation>box right of the sign</translation>
    </message>
    <message>
        <source>Trascina un brasto che possa completare la relazione</source>
        <translation>Drag a rod that can complete the relation</translation>
    </message>
    <message>
        <source>nella scatola a sinistra del segno</source>
        <translation>in the box left of the sign</translation>
    </message>
    <message>
        <source>nella scatola a destra del segno</source>
        <translation>in the box right of the sign</translation>
    </message>
</context>
<context>
    <name>brasti::RodToNumberScreen</name>
    <message>
        <source>numero %1</source>
        <translation>number %1</translation>
    </message>
</context>
<context>
    <name>brasti::RowScreen</name>
    <message>
        <source>scatola di sinistra</source>
        <translation>left box</translation>
    </message>
    <message>
        <source>scatola di mezzo</source>
        <translation>middle box</translation>
    </message>
    <message>
        <source>scatola di destra</source>
        <translation>right box</translation>
    </message>
    <message>
        <source>Ricomincia</source>
        <translation>Start again</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>nella scatola di sinistra</source>
        <translation>in the left box</translation>
    </message>
    <message>
        <source>nella scatola di mezzo</source>
        <translation>in the middle box</translation>
    </message>
    <message>
        <source>nella scatola di destra</source>
        <translation>in the right box</translation>
    </message>
</context>
<context>
    <name>brasti::Services</name>
    <message>
        <source>Squadra Brasti</source>
        <translation>The Brasti team</translation>
    </message>
    <message>
        <source>Vuoi uscire dal programma?</source>
        <translation>Do you want to quit the program?</translation>
    </message>
    <message>
        <source>Per l&apos;insegnante: Ctrl+Alt+I nel menù, oppure tieni premuto 3 secondi su «solo con i brasti».</source>
        <translation>For the teacher: Ctrl+Alt+I in the menu, or hold “with rods only” pressed for 3 seconds.</translation>
    </message>
</context>
<context>
    <name>brasti::Settings</name>
    <message>
        <source>L&apos;indirizzo porta più di %1 caratteri di impostazioni: non ne vale nessuna.</source>
        <translation>The address carries more than %1 characters of settings: none of them counts.</translation>
    </message>
    <message>
        <source>In «%1» c&apos;è qualcosa che non è un numero né un intervallo come 1-5, ed è lasciato da parte: %2.</source>
        <extracomment>%1 is the setting&apos;s name, %2 what was left out of it (&quot;due, 5-3&quot;).</extracomment>
        <translation>In “%1” something is neither a number nor a range like 1-5, and is left out: %2.</translation>
    </message>
    <message>
        <source>In «%1» gli esercizi vanno da 1 a %2: quello che sta fuori è lasciato da parte (%3).</source>
        <extracomment>%1 is the setting&apos;s name, %2 the last exercise, %3 what went outside (&quot;0, 28-30&quot;).</extracomment>
        <translation>In “%1” the exercises go from 1 to %2: whatever lies outside is left out (%3).</translation>
    </message>
    <message>
        <source>Così com&apos;è scritto, «%1» non lascia nessun esercizio: il menu li offre tutti.</source>
        <translation>As written, “%1” leaves no exercise: the menu offers them all.</translation>
    </message>
    <message>
        <source>L&apos;impostazione «%1» non esiste: è lasciata da parte.</source>
        <translation>There is no setting “%1”: it is left out.</translation>
    </message>
    <message>
        <source>Ci sono anche altre impostazioni che non esistono: sono lasciate da parte.</source>
        <translation>There are more settings that do not exist: they are left out.</translation>
    </message>
    <message>
        <source>L&apos;impostazione «%1» è scritta più di una volta: non vale nessuno dei suoi valori.</source>
        <translation>The setting “%1” is written more than once: none of its values counts.</translation>
    </message>
    <message>
        <source>L&apos;impostazione «%1» non ha un valore: resta quella predefinita.</source>
        <translation>The setting “%1” has no value: the default stays.</translation>
    </message>
    <message>
        <source>Il valore di «%1» è troppo lungo: è lasciato da parte.</source>
        <translation>The value of “%1” is too long: it is left out.</translation>
    </message>
    <message>
        <source>Per «%1» scrivere «%2» o «%3», non «%4»: il valore è lasciato da parte.</source>
        <translation>For “%1” write “%2” or “%3”, not “%4”: the value is left out.</translation>
    </message>
    <message>
        <source>Per «%1» scrivere una delle lingue %2, non «%3»: resta la lingua del sistema.</source>
        <extracomment>%2 lists the languages&apos; codes, &quot;it, en, es, fr, pt&quot;.</extracomment>
        <translation>For “%1” write one of the languages %2, not “%3”: the system&apos;s language stays.</translation>
    </message>
    <message>
        <source>Per «%1» scrivere true o false (oppure 1 o 0), non «%2»: il valore è lasciato da parte.</source>
        <extracomment>Every message here is for the teacher. The names and values in «» are the settings file&apos;s own and stay as they are.</extracomment>
        <translation>For “%1” write true or false (or 1 or 0), not “%2”: the value is left out.</translation>
    </message>
    <message>
        <source>Nessun esercizio è scelto: il menu ne deve offrire almeno uno.</source>
        <translation>No exercise is chosen: the menu must offer at least one.</translation>
    </message>
    <message>
        <source>«%1» non è il codice di una lingua.</source>
        <translation>“%1” is not a language code.</translation>
    </message>
    <message>
        <source>Il file %1 non si può leggere: valgono le impostazioni predefinite.</source>
        <translation>The file %1 cannot be read: the default settings apply.</translation>
    </message>
    <message>
        <source>Il file %1 è più grande di %2 KiB, troppo per un file di impostazioni: valgono quelle predefinite.</source>
        <translation>The file %1 is larger than %2 KiB, too large for a settings file: the default settings apply.</translation>
    </message>
    <message>
        <source>Il file %1 non è testo semplice come lo scrive un editor: valgono le impostazioni predefinite.</source>
        <translation>The file %1 is not plain text as a text editor writes it: the default settings apply.</translation>
    </message>
    <message>
        <source>%1 Le impostazioni non sono salvate.</source>
        <extracomment>Said when the settings could not be saved; %1 says why.</extracomment>
        <translation>%1 The settings are not saved.</translation>
    </message>
    <message>
        <source>Qui non c&apos;è un file dove salvare le impostazioni.</source>
        <translation>There is no file here to save the settings in.</translation>
    </message>
    <message>
        <source>La cartella %1 non si può creare: le impostazioni non sono salvate.</source>
        <translation>The folder %1 cannot be made: the settings are not saved.</translation>
    </message>
    <message>
        <source>Il file %1 c&apos;è ma non si può leggere: le impostazioni non sono salvate, per non perdere quello che contiene.</source>
        <translation>The file %1 is there but cannot be read: the settings are not saved, so as not to lose what it holds.</translation>
    </message>
    <message>
        <source>Il file %1 non si può scrivere (%2): le impostazioni non sono salvate.</source>
        <extracomment>%2 is the system&apos;s reason, as Qt gives it.</extracomment>
        <translation>The file %1 cannot be written (%2): the settings are not saved.</translation>
    </message>
</context>
<context>
    <name>brasti::SignScreen</name>
    <message>
        <source>maggiore</source>
        <translation>greater</translation>
    </message>
    <message>
        <source>minore</source>
        <translation>less</translation>
    </message>
    <message>
        <source>uguale</source>
        <translation>equal</translation>
    </message>
    <message>
        <source>scatola di sinistra</source>
        <translation>left box</translation>
    </message>
    <message>
        <source>scatola di destra</source>
        <translation>right box</translation>
    </message>
    <message>
        <source>nella scatola di sinistra</source>
        <translation>in the left box</translation>
    </message>
    <message>
        <source>nella scatola di destra</source>
        <translation>in the right box</translation>
    </message>
</context>
<context>
    <name>brasti::SingleRodScreen</name>
    <message>
        <source>barra del 10</source>
        <translation>ten bar</translation>
    </message>
    <message>
        <source>striscia in alto</source>
        <translation>top strip</translation>
    </message>
    <message>
        <source>striscia in basso</source>
        <translation>bottom strip</translation>
    </message>
    <message>
        <source>nella barra del 10</source>
        <translation>in the ten bar</translation>
    </message>
    <message>
        <source>nella striscia in alto</source>
        <translation>in the top strip</translation>
    </message>
    <message>
        <source>nella striscia in basso</source>
        <translation>in the bottom strip</translation>
    </message>
</context>
<context>
    <name>brasti::Spoken</name>
    <message>
        <source>bianco</source>
        <translation>white</translation>
    </message>
    <message>
        <source>rosso</source>
        <translation>red</translation>
    </message>
    <message>
        <source>verde</source>
        <translation>green</translation>
    </message>
    <message>
        <source>fucsia</source>
        <translation>fuchsia</translation>
    </message>
    <message>
        <source>giallo</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>verde scuro</source>
        <translation>dark green</translation>
    </message>
    <message>
        <source>nero</source>
        <translation>black</translation>
    </message>
    <message>
        <source>marrone</source>
        <translation>brown</translation>
    </message>
    <message>
        <source>blu</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>arancione</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>%1 e %2</source>
        <extracomment>The last two items of a list: &quot;brasto 2 e brasto 5&quot;.</extracomment>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>brasto %1</source>
        <translation>rod %1</translation>
    </message>
    <message>
        <source>dal minore al maggiore</source>
        <translation>from the smallest to the largest</translation>
    </message>
    <message>
        <source>dal maggiore al minore</source>
        <translation>from the largest to the smallest</translation>
    </message>
    <message>
        <source>Ordina %1 tutti i brasti nelle %2 caselle.</source>
        <translation>Order all the rods %1 in the %2 boxes.</translation>
    </message>
    <message>
        <source>Ordina %1 %2 nelle %3 caselle.</source>
        <translation>Order %2 %1 in the %3 boxes.</translation>
    </message>
    <message>
        <source>Trova il brasto in mezzo tra %1 e %2.</source>
        <translation>Find the rod in the middle between %1 and %2.</translation>
    </message>
    <message>
        <source>Trova i brasti vicini di %1: il più corto a sinistra, il più lungo a destra.</source>
        <translation>Find the neighbours of %1: the shorter one on the left, the longer one on the right.</translation>
    </message>
    <message>
        <source>A sinistra %1, a destra %2: scegli il segno.</source>
        <translation>On the left %1, on the right %2: choose the sign.</translation>
    </message>
    <message>
        <source>brasto %1</source>
        <comment>a rod named by its colour: brasto verde</comment>
        <translation>%1 rod</translation>
    </message>
    <message>
        <source>tac</source>
        <extracomment>One unit of a rod, said as the child counts it.</extracomment>
        <translation>tap</translation>
    </message>
    <message>
        <source>Quanto vale il %1? Conta le sue unità: %2.</source>
        <translation>How much is the %1 worth? Count its units: %2.</translation>
    </message>
    <message>
        <source>Scegli il brasto del numero %1.</source>
        <translation>Choose the rod of the number %1.</translation>
    </message>
    <message>
        <source>Componi %1 nella casella del numero: prima il brasto 10, poi il brasto che manca.</source>
        <translation>Build %1 in the number box: first rod 10, then the rod that is missing.</translation>
    </message>
    <message>
        <source>Componi il 10: metti accanto al %1 il brasto che manca.</source>
        <translation>Make 10: put the rod that is missing next to %1.</translation>
    </message>
    <message>
        <source>Trova la somma: il brasto lungo come %1 e %2 insieme.</source>
        <translation>Find the sum: the rod as long as %1 and %2 together.</translation>
    </message>
    <message>
        <source>Trova la differenza: il brasto che, con %1, è lungo come %2.</source>
        <translation>Find the difference: the rod that, with %1, is as long as %2.</translation>
    </message>
    <message>
        <source>Componi il %1 mettendo dei brasti in fila.</source>
        <translation>Build %1 by putting rods in a row.</translation>
    </message>
    <message>
        <source>Componi %1: la barra del 10 e %2.</source>
        <translation>Build %1: the ten bar and %2.</translation>
    </message>
    <message>
        <source>%1: riempi la barra della somma, poi scrivi il risultato.</source>
        <translation>%1: fill the sum bar, then write the result.</translation>
    </message>
    <message>
        <source>Sotto la barra della somma: %1; riempila, poi scrivi l&apos;addizione.</source>
        <translation>Under the sum bar: %1; fill it, then write the addition.</translation>
    </message>
    <message>
        <source>%1: completa la barra della differenza, poi scrivi il risultato.</source>
        <translation>%1: complete the difference bar, then write the result.</translation>
    </message>
    <message>
        <source>la barra %1</source>
        <extracomment>The given bar of a subtraction within 10: &quot;la barra lunga come brasto 7&quot;.</extracomment>
        <translation>the bar %1</translation>
    </message>
    <message>
        <source>Sopra: %1; sotto: %2; completa la barra della differenza, poi scrivi la sottrazione.</source>
        <translation>Above: %1; below: %2; complete the difference bar, then write the subtraction.</translation>
    </message>
    <message>
        <source>lunga come %1</source>
        <translation>as long as %1</translation>
    </message>
    <message>
        <source> Già %1: %2.</source>
        <extracomment>Added to a problem&apos;s sentence, with its leading blank: &quot; Già nella riga da riempire: brasto 4.&quot;</extracomment>
        <translation> Already %1: %2.</translation>
    </message>
    <message>
        <source>Il %1 è maggiore del brasto da mettere nella scatola a destra.</source>
        <translation>The given rod, %1, is greater than the rod for the box on the right.</translation>
    </message>
    <message>
        <source>Il %1 è minore del brasto da mettere nella scatola a destra.</source>
        <translation>The given rod, %1, is less than the rod for the box on the right.</translation>
    </message>
    <message>
        <source>Il %1 è uguale al brasto da mettere nella scatola a destra.</source>
        <translation>The given rod, %1, is equal to the rod for the box on the right.</translation>
    </message>
    <message>
        <source>Il brasto da mettere nella scatola a sinistra è maggiore del %1.</source>
        <translation>The rod for the box on the left is greater than %1.</translation>
    </message>
    <message>
        <source>Il brasto da mettere nella scatola a sinistra è minore del %1.</source>
        <translation>The rod for the box on the left is less than %1.</translation>
    </message>
    <message>
        <source>Il brasto da mettere nella scatola a sinistra è uguale al %1.</source>
        <translation>The rod for the box on the left is equal to %1.</translation>
    </message>
    <message>
        <source>%1 meno %2 uguale</source>
        <extracomment>A printed operation &quot;7 - 3 =&quot; as it is heard, before its result.</extracomment>
        <translation>%1 minus %2 equals</translation>
    </message>
    <message>
        <source>%1 più %2 uguale</source>
        <extracomment>A printed operation &quot;3 + 4 =&quot; as it is heard, before its result.</extracomment>
        <translation>%1 plus %2 equals</translation>
    </message>
    <message>
        <source>%1 meno %2 uguale %3</source>
        <extracomment>A written subtraction &quot;7 - 3 = 4&quot; as it is heard.</extracomment>
        <translation>%1 minus %2 equals %3</translation>
    </message>
    <message>
        <source>%1 uguale %2 più %3</source>
        <extracomment>A number written as a sum, &quot;14 = 10 + 4&quot;, as it is heard.</extracomment>
        <translation>%1 equals %2 plus %3</translation>
    </message>
    <message>
        <source>%1 più %2</source>
        <extracomment>The first numbers of a sum of three or more, &quot;2 + 3&quot; in &quot;2 + 3 + 2 = 7&quot;, as heard.</extracomment>
        <translation>%1 plus %2</translation>
    </message>
    <message>
        <source>%1 più %2 uguale %3</source>
        <extracomment>A written addition &quot;3 + 4 = 7&quot; as it is heard; %1 may be a longer sum, &quot;2 più 3&quot;.</extracomment>
        <translation>%1 plus %2 equals %3</translation>
    </message>
</context>
<context>
    <name>brasti::StartScreen</name>
    <message>
        <source>Esercitazioni matematiche</source>
        <translation>Maths exercises</translation>
    </message>
    <message>
        <source>Uso dei brasti</source>
        <translation>Using the rods</translation>
    </message>
    <message>
        <source>Avvio</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>brasti::TeacherWindow</name>
    <message>
        <source>Brasti - per l&apos;insegnante</source>
        <translation>Brasti - for the teacher</translation>
    </message>
    <message>
        <source>Esercizi offerti nel menù</source>
        <translation>Exercises the menu offers</translation>
    </message>
    <message>
        <source>tutta la colonna %1</source>
        <translation>all of column %1</translation>
    </message>
    <message>
        <source>tutti</source>
        <translation>all</translation>
    </message>
    <message>
        <source>tutti gli esercizi</source>
        <translation>all the exercises</translation>
    </message>
    <message>
        <source>nessuno</source>
        <translation>none</translation>
    </message>
    <message>
        <source>nessun esercizio</source>
        <translation>no exercise</translation>
    </message>
    <message>
        <source>attende la pressione del bottone per proseguire</source>
        <translation>waits for the button to be pressed before going on to the next problem</translation>
    </message>
    <message>
        <source>prosegue automaticamente  negli esercizi</source>
        <translation>goes on to the next problem by itself</translation>
    </message>
    <message>
        <source>numeri sui brasti</source>
        <translation>numbers on the rods</translation>
    </message>
    <message>
        <source>offri «Esci» nel menù</source>
        <translation>offer “Exit” in the menu</translation>
    </message>
    <message>
        <source>mostra la risposta dopo un errore</source>
        <translation>show the answer after a mistake</translation>
    </message>
    <message>
        <source>lingua</source>
        <translation>language</translation>
    </message>
    <message>
        <source>lingua del sistema</source>
        <translation>the system&apos;s language</translation>
    </message>
    <message>
        <source>lettura delle impostazioni</source>
        <translation>reading of the settings</translation>
    </message>
    <message>
        <source>Nessun file di impostazioni letto.</source>
        <translation>No settings file was read.</translation>
    </message>
    <message>
        <source>Impostazioni lette da %1</source>
        <translation>Settings read from %1</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>collegamento con queste impostazioni</source>
        <translation>link with these settings</translation>
    </message>
    <message>
        <source>Copia il collegamento</source>
        <translation>Copy the link</translation>
    </message>
    <message>
        <source>esito</source>
        <translation>outcome</translation>
    </message>
    <message>
        <source>riepilogo degli esercizi svolti</source>
        <translation>summary of the exercises played</translation>
    </message>
    <message>
        <source>esercizio</source>
        <translation>exercise</translation>
    </message>
    <message>
        <source>risolti</source>
        <translation>solved</translation>
    </message>
    <message>
        <source>errori</source>
        <translation>mistakes</translation>
    </message>
    <message>
        <source>tempo</source>
        <translation>time</translation>
    </message>
    <message>
        <source>Svuota</source>
        <translation>Empty</translation>
    </message>
    <message>
        <source>Svuota il riepilogo</source>
        <translation>Empty the summary</translation>
    </message>
    <message>
        <source>Non salvato: %1</source>
        <translation>Not saved: %1</translation>
    </message>
    <message>
        <source>Salvato in %1</source>
        <translation>Saved in %1</translation>
    </message>
    <message>
        <source>risposte mostrate</source>
        <translation>answers shown</translation>
    </message>
    <message>
        <source>ordinare i brasti</source>
        <translation>ordering the rods</translation>
    </message>
    <message>
        <source>confrontare i brasti</source>
        <translation>comparing the rods</translation>
    </message>
    <message>
        <source>brasti e numeri</source>
        <translation>rods and numbers</translation>
    </message>
    <message>
        <source>comporre con i brasti</source>
        <translation>composing with the rods</translation>
    </message>
    <message>
        <source>addizioni e sottrazioni</source>
        <translation>additions and subtractions</translation>
    </message>
    <message>
        <source>leggi ad alta voce</source>
        <translation>read aloud</translation>
    </message>
    <message>
        <source>Su questo computer non c&apos;è una voce italiana</source>
        <translation>This computer has no English voice</translation>
    </message>
</context>
<context>
    <name>brasti::WrittenScreen</name>
    <message>
        <source>piano di lavoro</source>
        <translation>work area</translation>
    </message>
    <message>
        <source>barra della somma</source>
        <translation>sum bar</translation>
    </message>
    <message>
        <source>barra del minuendo</source>
        <translation>minuend bar</translation>
    </message>
    <message>
        <source>barra degli addendi</source>
        <translation>addends bar</translation>
    </message>
    <message>
        <source>barra della differenza</source>
        <translation>difference bar</translation>
    </message>
    <message>
        <source>risposta</source>
        <translation>answer</translation>
    </message>
    <message>
        <source>puoi usare il brasto da 10</source>
        <translation>you can use the 10 rod</translation>
    </message>
    <message>
        <source>nella barra della somma</source>
        <translation>in the sum bar</translation>
    </message>
    <message>
        <source>nella barra del minuendo</source>
        <translation>in the minuend bar</translation>
    </message>
    <message>
        <source>nella barra degli addendi</source>
        <translation>in the addends bar</translation>
    </message>
    <message>
        <source>nella barra della differenza</source>
        <translation>in the difference bar</translation>
    </message>
</context>
</TS>
