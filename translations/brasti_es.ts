<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="it_IT">
<context>
    <name>brasti::AnswerShow</name>
    <message>
        <source>ora prova tu</source>
        <translation>ahora prueba tú</translation>
    </message>
</context>
<context>
    <name>brasti::CommandLine</name>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>muestra esta ayuda y sale</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>muestra la versión y sale</translation>
    </message>
    <message>
        <source>apre ogni finestra a schermo intero, per la lavagna interattiva</source>
        <translation>abre cada ventana a pantalla completa, para la pizarra digital</translation>
    </message>
    <message>
        <source>scrive su ogni brasto il suo numero, per chi non distingue i colori</source>
        <translation>muestra el número en cada regleta, para quien confunde los colores</translation>
    </message>
    <message>
        <source>parla la lingua scelta (%1) invece di quella del sistema</source>
        <extracomment>%1 lists the languages&apos; codes, &quot;it, en, es, fr, pt&quot;.</extracomment>
        <translation>habla el idioma elegido (%1) en vez del idioma predeterminado</translation>
    </message>
    <message>
        <source>codice</source>
        <extracomment>The value of --lingua, as the help shows it: --lingua &lt;codice&gt;.</extracomment>
        <translation>código</translation>
    </message>
    <message>
        <source>lingua sconosciuta: %1 (le lingue sono %2)</source>
        <extracomment>%1 is the code asked for, %2 lists the codes of the languages there are.</extracomment>
        <translation>idioma desconocido: %1 (los idiomas son %2)</translation>
    </message>
    <message>
        <source>opzione sconosciuta: %1%2</source>
        <translation>opción desconocida: %1%2</translation>
    </message>
    <message>
        <source>opzione non valida</source>
        <translation>opción no válida</translation>
    </message>
    <message>
        <source>argomento inatteso: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <source>Uso: brasti [opzioni]

Esercitazioni matematiche con i brasti colorati,
per i primi anni della scuola primaria.

Opzioni:
</source>
        <translation>Modo de empleo: brasti [opciones]

Ejercicios de matemáticas con las regletas de colores,
para los primeros años de la escuela.

Opciones:
</translation>
    </message>
    <message>
        <source>Licenza GPL-3.0-or-later: GNU GPL versione 3 o successiva, senza alcuna garanzia.</source>
        <translation>Licencia GPL-3.0-or-later: GNU GPL versión 3 o posterior, sin ninguna garantía.</translation>
    </message>
    <message>
        <source>brasti: %1 (brasti --help elenca le opzioni)</source>
        <translation>brasti: %1 (brasti --help muestra las opciones)</translation>
    </message>
    <message>
        <source>apre il menù con la finestra dell&apos;insegnante</source>
        <translation>abre el menú con la ventana del docente</translation>
    </message>
</context>
<context>
    <name>brasti::CompositionScreen</name>
    <message>
        <source>barra del 10</source>
        <translation>barra de 10</translation>
    </message>
    <message>
        <source>brasto da comporre</source>
        <translation>regleta que hay que formar</translation>
    </message>
    <message>
        <source>seconda barra del 10</source>
        <translation>segunda barra de 10</translation>
    </message>
    <message>
        <source>unità da comporre</source>
        <translation>barra de las unidades</translation>
    </message>
    <message>
        <source>riga da riempire</source>
        <translation>fila para llenar</translation>
    </message>
    <message>
        <source>nella barra del 10</source>
        <translation>en la barra de 10</translation>
    </message>
    <message>
        <source>nel brasto da comporre</source>
        <translation>en la regleta que hay que formar</translation>
    </message>
    <message>
        <source>nella seconda barra del 10</source>
        <translation>en la segunda barra de 10</translation>
    </message>
    <message>
        <source>nell&apos;unità da comporre</source>
        <translation>en la barra de las unidades</translation>
    </message>
    <message>
        <source>nella riga da riempire</source>
        <translation>en la fila para llenar</translation>
    </message>
</context>
<context>
    <name>brasti::Dialogs</name>
    <message>
        <source>Utilizzare i brasti</source>
        <translation>Usar las regletas</translation>
    </message>
    <message>
        <source>Sì</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>brasti::ExerciseScreen</name>
    <message>
        <source>avanti</source>
        <translation>siguiente</translation>
    </message>
    <message>
        <source>Esatti</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Errati</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>risposta sbagliata</source>
        <translation>respuesta incorrecta</translation>
    </message>
    <message>
        <source>risposta esatta</source>
        <translation>respuesta correcta</translation>
    </message>
    <message>
        <source>Azzera conteggio</source>
        <translation>Reiniciar contador</translation>
    </message>
    <message>
        <source>Informazioni</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>passo giusto</source>
        <translation>paso correcto</translation>
    </message>
    <message>
        <source>esatti %1, errati %2</source>
        <translation>aciertos %1, errores %2</translation>
    </message>
    <message>
        <source>Vuoi tornare al menù?</source>
        <translation>¿Quieres volver al menú?</translation>
    </message>
    <message>
        <source>operazioni scritte</source>
        <translation>operaciones escritas</translation>
    </message>
    <message>
        <source>Operazioni scritte</source>
        <translation>Operaciones escritas</translation>
    </message>
    <message>
        <source>visibili</source>
        <translation>visibles</translation>
    </message>
    <message>
        <source>invisibili</source>
        <translation>ocultas</translation>
    </message>
    <message>
        <source>mostrami</source>
        <translation>muéstrame</translation>
    </message>
    <message>
        <source>ascolta</source>
        <translation>escuchar</translation>
    </message>
</context>
<context>
    <name>brasti::Exercises</name>
    <message>
        <source>ordina 3 brasti</source>
        <translation>ordena 3 regletas</translation>
    </message>
    <message>
        <source>ordina 4 brasti</source>
        <translation>ordena 4 regletas</translation>
    </message>
    <message>
        <source>ordina 5 brasti</source>
        <translation>ordena 5 regletas</translation>
    </message>
    <message>
        <source>ordina 7 brasti</source>
        <translation>ordena 7 regletas</translation>
    </message>
    <message>
        <source>ordina tutti i brasti</source>
        <translation>ordena todas las regletas</translation>
    </message>
    <message>
        <source>trova il brasto in mezzo</source>
        <translation>busca la regleta del medio</translation>
    </message>
    <message>
        <source>trova i brasti vicini</source>
        <translation>busca las regletas vecinas</translation>
    </message>
    <message>
        <source>trova il   &gt; &lt; =</source>
        <translation>busca el   &gt; &lt; =</translation>
    </message>
    <message>
        <source>inserisci   &gt; &lt; =</source>
        <translation>coloca   &gt; &lt; =</translation>
    </message>
    <message>
        <source>dal brasto al numero</source>
        <translation>de la regleta al número</translation>
    </message>
    <message>
        <source>dal numero al brasto</source>
        <translation>del número a la regleta</translation>
    </message>
    <message>
        <source>componi il 10</source>
        <translation>forma el 10</translation>
    </message>
    <message>
        <source>trova la somma</source>
        <translation>busca la suma</translation>
    </message>
    <message>
        <source>trova la differenza</source>
        <translation>busca la diferencia</translation>
    </message>
    <message>
        <source>somma - differenza</source>
        <translation>suma - diferencia</translation>
    </message>
    <message>
        <source>scrivi l&apos;addizione (entro il 10)</source>
        <translation>escribe la suma (hasta el 10)</translation>
    </message>
    <message>
        <source>componi il brasto</source>
        <translation>forma la regleta</translation>
    </message>
    <message>
        <source>scrivi la sottrazione (entro il 10)</source>
        <translation>escribe la resta (hasta el 10)</translation>
    </message>
    <message>
        <source>numeri fino al 20 (utilizzando sempre il 10)</source>
        <translation>números hasta el 20 (siempre con el 10)</translation>
    </message>
    <message>
        <source>componi i numeri fino al 20</source>
        <translation>forma los números hasta el 20</translation>
    </message>
    <message>
        <source>addizioni entro il 10</source>
        <translation>sumas hasta el 10</translation>
    </message>
    <message>
        <source>addizioni entro il 20</source>
        <translation>sumas hasta el 20</translation>
    </message>
    <message>
        <source>sottrazioni entro il 10</source>
        <translation>restas hasta el 10</translation>
    </message>
    <message>
        <source>scrivi l&apos;addizione (entro il 20)</source>
        <translation>escribe la suma (hasta el 20)</translation>
    </message>
    <message>
        <source>sottrazioni entro il 20</source>
        <translation>restas hasta el 20</translation>
    </message>
    <message>
        <source>scrivi la sottrazione (entro il 20)</source>
        <translation>escribe la resta (hasta el 20)</translation>
    </message>
    <message>
        <source>componi il 20</source>
        <translation>forma el 20</translation>
    </message>
</context>
<context>
    <name>brasti::FocusSpeech</name>
    <message>
        <source>%1, pulsante, %2 di %3</source>
        <extracomment>A focused button and its place among the buttons of its set: &quot;ordina 3 brasti, pulsante, 1 di 27&quot;</extracomment>
        <translation>%1, botón, %2 de %3</translation>
    </message>
    <message>
        <source>%1, pulsante</source>
        <extracomment>A focused button, by its name: &quot;Conferma, pulsante&quot;</extracomment>
        <translation>%1, botón</translation>
    </message>
    <message>
        <source>%1, pulsante di opzione, selezionato</source>
        <translation>%1, botón de opción, seleccionado</translation>
    </message>
    <message>
        <source>%1, pulsante di opzione, non selezionato</source>
        <translation>%1, botón de opción, no seleccionado</translation>
    </message>
    <message>
        <source>%1, casella di controllo, selezionata</source>
        <translation>%1, casilla de verificación, marcada</translation>
    </message>
    <message>
        <source>%1, casella di controllo, non selezionata</source>
        <translation>%1, casilla de verificación, no marcada</translation>
    </message>
    <message>
        <source>%1, campo di testo</source>
        <extracomment>A focused text field by its name, then what it holds: &quot;risposta, campo di testo, 7&quot;</extracomment>
        <translation>%1, campo de texto</translation>
    </message>
    <message>
        <source>%1, campo di testo, %2</source>
        <translation>%1, campo de texto, %2</translation>
    </message>
    <message>
        <source>%1, casella combinata, %2</source>
        <extracomment>A focused drop-down list by its name, then the choice it shows: &quot;lingua, casella combinata, English&quot;</extracomment>
        <translation>%1, cuadro combinado, %2</translation>
    </message>
    <message>
        <source>%1, elenco</source>
        <extracomment>A focused list by its name, then its current line: &quot;operazioni scritte, elenco, 3 + 4 = 7&quot;</extracomment>
        <translation>%1, lista</translation>
    </message>
    <message>
        <source>%1, elenco, %2</source>
        <translation>%1, lista, %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A focused control by its name, then what it tells: &quot;brasto 3, nella casella 2&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 Rispondi %2 o %3.</source>
        <extracomment>A question box as it opens: its question, then its two buttons: &quot;Vuoi uscire dal programma? Rispondi Sì o No.&quot;</extracomment>
        <translation>%1 Responde %2 o %3.</translation>
    </message>
    <message>
        <source>%1 Pulsante: %2.</source>
        <extracomment>A message box as it opens: its text, then its one button: &quot;... Pulsante: OK.&quot;</extracomment>
        <translation>%1 Botón: %2.</translation>
    </message>
</context>
<context>
    <name>brasti::MenuScreen</name>
    <message>
        <source>Brasti - esercizi</source>
        <translation>Brasti - ejercicios</translation>
    </message>
    <message>
        <source>solo con i brasti</source>
        <translation>sin números</translation>
    </message>
    <message>
        <source>con i numeri</source>
        <translation>con números</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>attende la pressione del bottone per proseguire</source>
        <translation>espera a que se pulse el botón para seguir</translation>
    </message>
    <message>
        <source>prosegue automaticamente  negli esercizi</source>
        <translation>pasa al siguiente problema sin esperar</translation>
    </message>
</context>
<context>
    <name>brasti::NumberToRodScreen</name>
    <message>
        <source>Numeri in...</source>
        <translation>Números en...</translation>
    </message>
    <message>
        <source>parola</source>
        <translation>letras</translation>
    </message>
    <message>
        <source>cifre</source>
        <translation>cifras</translation>
    </message>
</context>
<context>
    <name>brasti::NumbersWithTenScreen</name>
    <message>
        <source>casella del numero</source>
        <translation>casilla del número</translation>
    </message>
    <message>
        <source>nella casella del numero</source>
        <translation>en la casilla del número</translation>
    </message>
</context>
<context>
    <name>brasti::OrderingScreen</name>
    <message>
        <source>casella %1</source>
        <translation>casilla %1</translation>
    </message>
    <message>
        <source>ordina dal minore al maggiore </source>
        <translation>ordena de menor a mayor </translation>
    </message>
    <message>
        <source>Ricomincia</source>
        <translation>Otra vez</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Tipo di ordinamento</source>
        <translation>Cómo ordenar</translation>
    </message>
    <message>
        <source>crescente</source>
        <translation>de menor a mayor</translation>
    </message>
    <message>
        <source>decrescente</source>
        <translation>de mayor a menor</translation>
    </message>
    <message>
        <source>devi sistemare tutti i brasti!</source>
        <translation>¡Tienes que colocar todas las regletas!</translation>
    </message>
    <message>
        <source>ordina dal maggiore al minore </source>
        <translation>ordena de mayor a menor </translation>
    </message>
    <message>
        <source>nella casella %1</source>
        <translation>en la casilla %1</translation>
    </message>
</context>
<context>
    <name>brasti::RelationScreen</name>
    <message>
        <source>scatola a sinistra del segno</source>
        <translation>caja a la izquierda del signo</translation>
    </message>
    <message>
        <source>scatola a destra del segno</source>
        <translation>caja a la derecha del signo</translation>
    </message>
    <message>
        <source>Trascina un brasto che possa completare la relazione</source>
        <translation>Arrastra una regleta que pueda completar la relación</translation>
    </message>
    <message>
        <source>nella scatola a sinistra del segno</source>
        <translation>en la caja a la izquierda del signo</translation>
    </message>
    <message>
        <source>nella scatola a destra del segno</source>
        <translation>en la caja a la derecha del signo</translation>
    </message>
</context>
<context>
    <name>brasti::RodToNumberScreen</name>
    <message>
        <source>numero %1</source>
        <translation>número %1</translation>
    </message>
</context>
<context>
    <name>brasti::RowScreen</name>
    <message>
        <source>scatola di sinistra</source>
        <translation>caja de la izquierda</translation>
    </message>
    <message>
        <source>scatola di mezzo</source>
        <translation>caja del medio</translation>
    </message>
    <message>
        <source>scatola di destra</source>
        <translation>caja de la derecha</translation>
    </message>
    <message>
        <source>Ricomincia</source>
        <translation>Otra vez</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>nella scatola di sinistra</source>
        <translation>en la caja de la izquierda</translation>
    </message>
    <message>
        <source>nella scatola di mezzo</source>
        <translation>en la caja del medio</translation>
    </message>
    <message>
        <source>nella scatola di destra</source>
        <translation>en la caja de la derecha</translation>
    </message>
</context>
<context>
    <name>brasti::Services</name>
    <message>
        <source>Squadra Brasti</source>
        <translation>El equipo de Brasti</translation>
    </message>
    <message>
        <source>Vuoi uscire dal programma?</source>
        <translation>¿Quieres salir del programa?</translation>
    </message>
    <message>
        <source>Per l&apos;insegnante: Ctrl+Alt+I nel menù, oppure tieni premuto 3 secondi su «solo con i brasti».</source>
        <translation>Para el docente: Ctrl+Alt+I en el menú, o mantén pulsado «sin números» 3 segundos.</translation>
    </message>
</context>
<context>
    <name>brasti::Settings</name>
    <message>
        <source>L&apos;indirizzo porta più di %1 caratteri di impostazioni: non ne vale nessuna.</source>
        <translation>La dirección lleva más de %1 caracteres de ajustes: no vale ninguno.</translation>
    </message>
    <message>
        <source>In «%1» c&apos;è qualcosa che non è un numero né un intervallo come 1-5, ed è lasciato da parte: %2.</source>
        <extracomment>%1 is the setting&apos;s name, %2 what was left out of it (&quot;due, 5-3&quot;).</extracomment>
        <translation>En «%1» hay algo que no es un número ni un intervalo como 1-5, y se ignora: %2.</translation>
    </message>
    <message>
        <source>In «%1» gli esercizi vanno da 1 a %2: quello che sta fuori è lasciato da parte (%3).</source>
        <extracomment>%1 is the setting&apos;s name, %2 the last exercise, %3 what went outside (&quot;0, 28-30&quot;).</extracomment>
        <translation>En «%1» los ejercicios van del 1 al %2: lo que queda fuera se ignora (%3).</translation>
    </message>
    <message>
        <source>Così com&apos;è scritto, «%1» non lascia nessun esercizio: il menu li offre tutti.</source>
        <translation>Tal como está escrito, «%1» no deja ningún ejercicio: el menú los ofrece todos.</translation>
    </message>
    <message>
        <source>L&apos;impostazione «%1» non esiste: è lasciata da parte.</source>
        <translation>El ajuste «%1» no existe: se ignora.</translation>
    </message>
    <message>
        <source>Ci sono anche altre impostazioni che non esistono: sono lasciate da parte.</source>
        <translation>Hay además otros ajustes que no existen: se ignoran.</translation>
    </message>
    <message>
        <source>L&apos;impostazione «%1» è scritta più di una volta: non vale nessuno dei suoi valori.</source>
        <translation>El ajuste «%1» está escrito más de una vez: no vale ninguno de sus valores.</translation>
    </message>
    <message>
        <source>L&apos;impostazione «%1» non ha un valore: resta quella predefinita.</source>
        <translation>El ajuste «%1» no tiene valor: queda el predeterminado.</translation>
    </message>
    <message>
        <source>Il valore di «%1» è troppo lungo: è lasciato da parte.</source>
        <translation>El valor de «%1» es demasiado largo: se ignora.</translation>
    </message>
    <message>
        <source>Per «%1» scrivere «%2» o «%3», non «%4»: il valore è lasciato da parte.</source>
        <translation>Para «%1» hay que escribir «%2» o «%3», no «%4»: el valor se ignora.</translation>
    </message>
    <message>
        <source>Per «%1» scrivere una delle lingue %2, non «%3»: resta la lingua del sistema.</source>
        <extracomment>%2 lists the languages&apos; codes, &quot;it, en, es, fr, pt&quot;.</extracomment>
        <translation>Para «%1» hay que escribir uno de los idiomas %2, no «%3»: queda el idioma del sistema.</translation>
    </message>
    <message>
        <source>Per «%1» scrivere true o false (oppure 1 o 0), non «%2»: il valore è lasciato da parte.</source>
        <extracomment>Every message here is for the teacher. The names and values in «» are the settings file&apos;s own and stay as they are.</extracomment>
        <translation>Para «%1» hay que escribir true o false (o bien 1 o 0), no «%2»: el valor se ignora.</translation>
    </message>
    <message>
        <source>Nessun esercizio è scelto: il menu ne deve offrire almeno uno.</source>
        <translation>No hay ningún ejercicio elegido: el menú debe ofrecer al menos uno.</translation>
    </message>
    <message>
        <source>«%1» non è il codice di una lingua.</source>
        <translation>«%1» no es el código de un idioma.</translation>
    </message>
    <message>
        <source>Il file %1 non si può leggere: valgono le impostazioni predefinite.</source>
        <translation>El archivo %1 no se puede leer: se usan los ajustes predeterminados.</translation>
    </message>
    <message>
        <source>Il file %1 è più grande di %2 KiB, troppo per un file di impostazioni: valgono quelle predefinite.</source>
        <translation>El archivo %1 tiene más de %2 KiB, demasiado para un archivo de ajustes: se usan los predeterminados.</translation>
    </message>
    <message>
        <source>Il file %1 non è testo semplice come lo scrive un editor: valgono le impostazioni predefinite.</source>
        <translation>El archivo %1 no es texto plano como lo escribe un editor: se usan los ajustes predeterminados.</translation>
    </message>
    <message>
        <source>%1 Le impostazioni non sono salvate.</source>
        <extracomment>Said when the settings could not be saved; %1 says why.</extracomment>
        <translation>%1 Los ajustes no se han guardado.</translation>
    </message>
    <message>
        <source>Qui non c&apos;è un file dove salvare le impostazioni.</source>
        <translation>Aquí no hay ningún archivo donde guardar los ajustes.</translation>
    </message>
    <message>
        <source>La cartella %1 non si può creare: le impostazioni non sono salvate.</source>
        <translation>La carpeta %1 no se puede crear: los ajustes no se han guardado.</translation>
    </message>
    <message>
        <source>Il file %1 c&apos;è ma non si può leggere: le impostazioni non sono salvate, per non perdere quello che contiene.</source>
        <translation>El archivo %1 existe, pero no se puede leer: los ajustes no se han guardado, para no perder lo que contiene.</translation>
    </message>
    <message>
        <source>Il file %1 non si può scrivere (%2): le impostazioni non sono salvate.</source>
        <extracomment>%2 is the system&apos;s reason, as Qt gives it.</extracomment>
        <translation>El archivo %1 no se puede escribir (%2): los ajustes no se han guardado.</translation>
    </message>
</context>
<context>
    <name>brasti::SignScreen</name>
    <message>
        <source>maggiore</source>
        <translation>mayor</translation>
    </message>
    <message>
        <source>minore</source>
        <translation>menor</translation>
    </message>
    <message>
        <source>uguale</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>scatola di sinistra</source>
        <translation>caja de la izquierda</translation>
    </message>
    <message>
        <source>scatola di destra</source>
        <translation>caja de la derecha</translation>
    </message>
    <message>
        <source>nella scatola di sinistra</source>
        <translation>en la caja de la izquierda</translation>
    </message>
    <message>
        <source>nella scatola di destra</source>
        <translation>en la caja de la derecha</translation>
    </message>
</context>
<context>
    <name>brasti::SingleRodScreen</name>
    <message>
        <source>barra del 10</source>
        <translation>barra de 10</translation>
    </message>
    <message>
        <source>striscia in alto</source>
        <translation>tira de arriba</translation>
    </message>
    <message>
        <source>striscia in basso</source>
        <translation>tira de abajo</translation>
    </message>
    <message>
        <source>nella barra del 10</source>
        <translation>en la barra de 10</translation>
    </message>
    <message>
        <source>nella striscia in alto</source>
        <translation>en la tira de arriba</translation>
    </message>
    <message>
        <source>nella striscia in basso</source>
        <translation>en la tira de abajo</translation>
    </message>
</context>
<context>
    <name>brasti::Spoken</name>
    <message>
        <source>bianco</source>
        <translation>blanca</translation>
    </message>
    <message>
        <source>rosso</source>
        <translation>roja</translation>
    </message>
    <message>
        <source>verde</source>
        <translation>verde claro</translation>
    </message>
    <message>
        <source>fucsia</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>giallo</source>
        <translation>amarilla</translation>
    </message>
    <message>
        <source>verde scuro</source>
        <translation>verde oscuro</translation>
    </message>
    <message>
        <source>nero</source>
        <translation>negra</translation>
    </message>
    <message>
        <source>marrone</source>
        <translation>marrón</translation>
    </message>
    <message>
        <source>blu</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>arancione</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>%1 e %2</source>
        <extracomment>The last two items of a list: &quot;brasto 2 e brasto 5&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>brasto %1</source>
        <translation>regleta %1</translation>
    </message>
    <message>
        <source>dal minore al maggiore</source>
        <translation>de menor a mayor</translation>
    </message>
    <message>
        <source>dal maggiore al minore</source>
        <translation>de mayor a menor</translation>
    </message>
    <message>
        <source>Ordina %1 tutti i brasti nelle %2 caselle.</source>
        <translation>Ordena todas las regletas %1 en las %2 casillas.</translation>
    </message>
    <message>
        <source>Ordina %1 %2 nelle %3 caselle.</source>
        <translation>Ordena %1 estas regletas en las %3 casillas: %2.</translation>
    </message>
    <message>
        <source>Trova il brasto in mezzo tra %1 e %2.</source>
        <translation>Busca la regleta que va entre la %1 y la %2.</translation>
    </message>
    <message>
        <source>Trova i brasti vicini di %1: il più corto a sinistra, il più lungo a destra.</source>
        <translation>Busca las regletas vecinas de la %1: la más corta a la izquierda, la más larga a la derecha.</translation>
    </message>
    <message>
        <source>A sinistra %1, a destra %2: scegli il segno.</source>
        <translation>A la izquierda, la %1; a la derecha, la %2: elige el signo.</translation>
    </message>
    <message>
        <source>brasto %1</source>
        <comment>a rod named by its colour: brasto verde</comment>
        <translation>regleta %1</translation>
    </message>
    <message>
        <source>tac</source>
        <extracomment>One unit of a rod, said as the child counts it.</extracomment>
        <translation>toc</translation>
    </message>
    <message>
        <source>Quanto vale il %1? Conta le sue unità: %2.</source>
        <translation>¿Qué número es la %1? Cuenta sus unidades: %2.</translation>
    </message>
    <message>
        <source>Scegli il brasto del numero %1.</source>
        <translation>Elige la regleta del número %1.</translation>
    </message>
    <message>
        <source>Componi %1 nella casella del numero: prima il brasto 10, poi il brasto che manca.</source>
        <translation>Forma el %1 en la casilla del número: primero la regleta 10, después la regleta que falta.</translation>
    </message>
    <message>
        <source>Componi il 10: metti accanto al %1 il brasto che manca.</source>
        <translation>Forma el 10: pon junto a la %1 la regleta que falta.</translation>
    </message>
    <message>
        <source>Trova la somma: il brasto lungo come %1 e %2 insieme.</source>
        <translation>Busca la suma: la regleta tan larga como la %1 y la %2 juntas.</translation>
    </message>
    <message>
        <source>Trova la differenza: il brasto che, con %1, è lungo come %2.</source>
        <translation>Busca la diferencia: la regleta que, con la %1, es tan larga como la %2.</translation>
    </message>
    <message>
        <source>Componi il %1 mettendo dei brasti in fila.</source>
        <translation>Forma la %1 poniendo regletas una detrás de otra.</translation>
    </message>
    <message>
        <source>Componi %1: la barra del 10 e %2.</source>
        <translation>Forma el %1: la barra de 10 y la %2.</translation>
    </message>
    <message>
        <source>%1: riempi la barra della somma, poi scrivi il risultato.</source>
        <translation>%1: llena la barra de la suma, después escribe el resultado.</translation>
    </message>
    <message>
        <source>Sotto la barra della somma: %1; riempila, poi scrivi l&apos;addizione.</source>
        <translation>Debajo de la barra de la suma: %1; llénala, después escribe la suma.</translation>
    </message>
    <message>
        <source>%1: completa la barra della differenza, poi scrivi il risultato.</source>
        <translation>%1: llena la barra de la diferencia, después escribe el resultado.</translation>
    </message>
    <message>
        <source>la barra %1</source>
        <extracomment>The given bar of a subtraction within 10: &quot;la barra lunga come brasto 7&quot;.</extracomment>
        <translation>la barra %1</translation>
    </message>
    <message>
        <source>Sopra: %1; sotto: %2; completa la barra della differenza, poi scrivi la sottrazione.</source>
        <translation>Arriba: %1; abajo: %2; llena la barra de la diferencia, después escribe la resta.</translation>
    </message>
    <message>
        <source>lunga come %1</source>
        <translation>tan larga como la %1</translation>
    </message>
    <message>
        <source> Già %1: %2.</source>
        <extracomment>Added to a problem&apos;s sentence, with its leading blank: &quot; Già nella riga da riempire: brasto 4.&quot;</extracomment>
        <translation> Ya hay %1: %2.</translation>
    </message>
    <message>
        <source>Il %1 è maggiore del brasto da mettere nella scatola a destra.</source>
        <translation>La %1 es mayor que la regleta que va en la caja de la derecha.</translation>
    </message>
    <message>
        <source>Il %1 è minore del brasto da mettere nella scatola a destra.</source>
        <translation>La %1 es menor que la regleta que va en la caja de la derecha.</translation>
    </message>
    <message>
        <source>Il %1 è uguale al brasto da mettere nella scatola a destra.</source>
        <translation>La %1 es igual a la regleta que va en la caja de la derecha.</translation>
    </message>
    <message>
        <source>Il brasto da mettere nella scatola a sinistra è maggiore del %1.</source>
        <translation>La regleta que va en la caja de la izquierda es mayor que la %1.</translation>
    </message>
    <message>
        <source>Il brasto da mettere nella scatola a sinistra è minore del %1.</source>
        <translation>La regleta que va en la caja de la izquierda es menor que la %1.</translation>
    </message>
    <message>
        <source>Il brasto da mettere nella scatola a sinistra è uguale al %1.</source>
        <translation>La regleta que va en la caja de la izquierda es igual a la %1.</translation>
    </message>
    <message>
        <source>%1 meno %2 uguale</source>
        <extracomment>A printed operation &quot;7 - 3 =&quot; as it is heard, before its result.</extracomment>
        <translation>%1 menos %2 es igual a</translation>
    </message>
    <message>
        <source>%1 più %2 uguale</source>
        <extracomment>A printed operation &quot;3 + 4 =&quot; as it is heard, before its result.</extracomment>
        <translation>%1 más %2 es igual a</translation>
    </message>
    <message>
        <source>%1 meno %2 uguale %3</source>
        <extracomment>A written subtraction &quot;7 - 3 = 4&quot; as it is heard.</extracomment>
        <translation>%1 menos %2 es igual a %3</translation>
    </message>
    <message>
        <source>%1 uguale %2 più %3</source>
        <extracomment>A number written as a sum, &quot;14 = 10 + 4&quot;, as it is heard.</extracomment>
        <translation>%1 es igual a %2 más %3</translation>
    </message>
    <message>
        <source>%1 più %2</source>
        <extracomment>The first numbers of a sum of three or more, &quot;2 + 3&quot; in &quot;2 + 3 + 2 = 7&quot;, as heard.</extracomment>
        <translation>%1 más %2</translation>
    </message>
    <message>
        <source>%1 più %2 uguale %3</source>
        <extracomment>A written addition &quot;3 + 4 = 7&quot; as it is heard; %1 may be a longer sum, &quot;2 più 3&quot;.</extracomment>
        <translation>%1 más %2 es igual a %3</translation>
    </message>
</context>
<context>
    <name>brasti::StartScreen</name>
    <message>
        <source>Esercitazioni matematiche</source>
        <translation>Ejercicios de matemáticas</translation>
    </message>
    <message>
        <source>Uso dei brasti</source>
        <translation>Usar las regletas</translation>
    </message>
    <message>
        <source>Avvio</source>
        <translation>Empezar</translation>
    </message>
</context>
<context>
    <name>brasti::TeacherWindow</name>
    <message>
        <source>Brasti - per l&apos;insegnante</source>
        <translation>Brasti - para el docente</translation>
    </message>
    <message>
        <source>Esercizi offerti nel menù</source>
        <translation>Ejercicios que ofrece el menú</translation>
    </message>
    <message>
        <source>tutta la colonna %1</source>
        <translation>toda la columna %1</translation>
    </message>
    <message>
        <source>tutti</source>
        <translation>todos</translation>
    </message>
    <message>
        <source>tutti gli esercizi</source>
        <translation>todos los ejercicios</translation>
    </message>
    <message>
        <source>nessuno</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>nessun esercizio</source>
        <translation>ningún ejercicio</translation>
    </message>
    <message>
        <source>attende la pressione del bottone per proseguire</source>
        <translation>espera a que se pulse el botón para seguir</translation>
    </message>
    <message>
        <source>prosegue automaticamente  negli esercizi</source>
        <translation>pasa al siguiente problema sin esperar</translation>
    </message>
    <message>
        <source>numeri sui brasti</source>
        <translation>números en las regletas</translation>
    </message>
    <message>
        <source>offri «Esci» nel menù</source>
        <translation>ofrecer «Salir» en el menú</translation>
    </message>
    <message>
        <source>mostra la risposta dopo un errore</source>
        <translation>mostrar la respuesta tras un error</translation>
    </message>
    <message>
        <source>lingua</source>
        <translation>idioma</translation>
    </message>
    <message>
        <source>lingua del sistema</source>
        <translation>idioma del sistema</translation>
    </message>
    <message>
        <source>lettura delle impostazioni</source>
        <translation>lectura de los ajustes</translation>
    </message>
    <message>
        <source>Nessun file di impostazioni letto.</source>
        <translation>No se ha leído ningún archivo de ajustes.</translation>
    </message>
    <message>
        <source>Impostazioni lette da %1</source>
        <translation>Ajustes leídos de %1</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>collegamento con queste impostazioni</source>
        <translation>enlace con estos ajustes</translation>
    </message>
    <message>
        <source>Copia il collegamento</source>
        <translation>Copiar el enlace</translation>
    </message>
    <message>
        <source>esito</source>
        <translation>resultado</translation>
    </message>
    <message>
        <source>riepilogo degli esercizi svolti</source>
        <translation>resumen de los ejercicios hechos</translation>
    </message>
    <message>
        <source>esercizio</source>
        <translation>ejercicio</translation>
    </message>
    <message>
        <source>risolti</source>
        <translation>resueltos</translation>
    </message>
    <message>
        <source>errori</source>
        <translation>errores</translation>
    </message>
    <message>
        <source>tempo</source>
        <translation>tiempo</translation>
    </message>
    <message>
        <source>Svuota</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Svuota il riepilogo</source>
        <translation>Borrar el resumen</translation>
    </message>
    <message>
        <source>Non salvato: %1</source>
        <translation>No guardado: %1</translation>
    </message>
    <message>
        <source>Salvato in %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source>risposte mostrate</source>
        <translation>respuestas mostradas</translation>
    </message>
    <message>
        <source>ordinare i brasti</source>
        <translation>ordenar las regletas</translation>
    </message>
    <message>
        <source>confrontare i brasti</source>
        <translation>comparar las regletas</translation>
    </message>
    <message>
        <source>brasti e numeri</source>
        <translation>regletas y números</translation>
    </message>
    <message>
        <source>comporre con i brasti</source>
        <translation>componer con las regletas</translation>
    </message>
    <message>
        <source>addizioni e sottrazioni</source>
        <translation>sumas y restas</translation>
    </message>
    <message>
        <source>leggi ad alta voce</source>
        <translation>leer en voz alta</translation>
    </message>
    <message>
        <source>Su questo computer non c&apos;è una voce italiana</source>
        <translation>Este ordenador no tiene una voz en español</translation>
    </message>
</context>
<context>
    <name>brasti::WrittenScreen</name>
    <message>
        <source>piano di lavoro</source>
        <translation>zona de trabajo</translation>
    </message>
    <message>
        <source>barra della somma</source>
        <translation>barra de la suma</translation>
    </message>
    <message>
        <source>barra del minuendo</source>
        <translation>barra del minuendo</translation>
    </message>
    <message>
        <source>barra degli addendi</source>
        <translation>barra de los sumandos</translation>
    </message>
    <message>
        <source>barra della differenza</source>
        <translation>barra de la diferencia</translation>
    </message>
    <message>
        <source>risposta</source>
        <translation>respuesta</translation>
    </message>
    <message>
        <source>puoi usare il brasto da 10</source>
        <translation>Puedes usar la regleta 10.</translation>
    </message>
    <message>
        <source>nella barra della somma</source>
        <translation>en la barra de la suma</translation>
    </message>
    <message>
        <source>nella barra del minuendo</source>
        <translation>en la barra del minuendo</translation>
    </message>
    <message>
        <source>nella barra degli addendi</source>
        <translation>en la barra de los sumandos</translation>
    </message>
    <message>
        <source>nella barra della differenza</source>
        <translation>en la barra de la diferencia</translation>
    </message>
</context>
</TS>
