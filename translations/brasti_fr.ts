<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="it_IT">
<context>
    <name>brasti::AnswerShow</name>
    <message>
        <source>ora prova tu</source>
        <translation>à toi maintenant</translation>
    </message>
</context>
<context>
    <name>brasti::CommandLine</name>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>affiche cette aide et quitte</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>affiche la version et quitte</translation>
    </message>
    <message>
        <source>apre ogni finestra a schermo intero, per la lavagna interattiva</source>
        <translation>ouvre chaque fenêtre en plein écran, pour le tableau interactif</translation>
    </message>
    <message>
        <source>scrive su ogni brasto il suo numero, per chi non distingue i colori</source>
        <translation>écrit sur chaque réglette son nombre, pour qui confond les couleurs</translation>
    </message>
    <message>
        <source>parla la lingua scelta (%1) invece di quella del sistema</source>
        <extracomment>%1 lists the languages&apos; codes, &quot;it, en, es, fr, pt&quot;.</extracomment>
        <translation>parle la langue choisie (%1) au lieu de celle du système</translation>
    </message>
    <message>
        <source>codice</source>
        <extracomment>The value of --lingua, as the help shows it: --lingua &lt;codice&gt;.</extracomment>
        <translation>code</translation>
    </message>
    <message>
        <source>lingua sconosciuta: %1 (le lingue sono %2)</source>
        <extracomment>%1 is the code asked for, %2 lists the codes of the languages there are.</extracomment>
        <translation>langue inconnue&#xa0;: %1 (les langues sont %2)</translation>
    </message>
    <message>
        <source>opzione sconosciuta: %1%2</source>
        <translation>option inconnue&#xa0;: %1%2</translation>
    </message>
    <message>
        <source>opzione non valida</source>
        <translation>option incorrecte</translation>
    </message>
    <message>
        <source>argomento inatteso: %1</source>
        <translation>argument inattendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Uso: brasti [opzioni]

Esercitazioni matematiche con i brasti colorati,
per i primi anni della scuola primaria.

Opzioni:
</source>
        <translation>Utilisation&#xa0;: brasti [options]

Exercices de mathématiques avec les réglettes de couleur,
pour les premières années de l&apos;école primaire.

Options&#xa0;:
</translation>
    </message>
    <message>
        <source>Licenza GPL-3.0-or-later: GNU GPL versione 3 o successiva, senza alcuna garanzia.</source>
        <translation>Licence GPL-3.0-or-later&#xa0;: GNU GPL version 3 ou ultérieure, sans aucune garantie.</translation>
    </message>
    <message>
        <source>brasti: %1 (brasti --help elenca le opzioni)</source>
        <translation>brasti&#xa0;: %1 (brasti --help affiche les options)</translation>
    </message>
    <message>
        <source>apre il menù con la finestra dell&apos;insegnante</source>
        <translation>ouvre le menu avec la fenêtre de l&apos;enseignant</translation>
    </message>
</context>
<context>
    <name>brasti::CompositionScreen</name>
    <message>
        <source>barra del 10</source>
        <translation>barre de 10</translation>
    </message>
    <message>
        <source>brasto da comporre</source>
        <translation>réglette à composer</translation>
    </message>
    <message>
        <source>seconda barra del 10</source>
        <translation>deuxième barre de 10</translation>
    </message>
    <message>
        <source>unità da comporre</source>
        <translation>barre des unités</translation>
    </message>
    <message>
        <source>riga da riempire</source>
        <translation>ligne à remplir</translation>
    </message>
    <message>
        <source>nella barra del 10</source>
        <translation>dans la barre de 10</translation>
    </message>
    <message>
        <source>nel brasto da comporre</source>
        <translation>dans la réglette à composer</translation>
    </message>
    <message>
        <source>nella seconda barra del 10</source>
        <translation>dans la deuxième barre de 10</translation>
    </message>
    <message>
        <source>nell&apos;unità da comporre</source>
        <translation>dans la barre des unités</translation>
    </message>
    <message>
        <source>nella riga da riempire</source>
        <translation>dans la ligne à remplir</translation>
    </message>
</context>
<context>
    <name>brasti::Dialogs</name>
    <message>
        <source>Utilizzare i brasti</source>
        <translation>Utiliser les réglettes</translation>
    </message>
    <message>
        <source>Sì</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
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
        <translation>suivant</translation>
    </message>
    <message>
        <source>Esatti</source>
        <translation>Réussites</translation>
    </message>
    <message>
        <source>Errati</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>risposta sbagliata</source>
        <translation>mauvaise réponse</translation>
    </message>
    <message>
        <source>risposta esatta</source>
        <translation>bonne réponse</translation>
    </message>
    <message>
        <source>Azzera conteggio</source>
        <translation>Remettre à zéro</translation>
    </message>
    <message>
        <source>Informazioni</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>passo giusto</source>
        <translation>étape réussie</translation>
    </message>
    <message>
        <source>esatti %1, errati %2</source>
        <translation>réussites %1, erreurs %2</translation>
    </message>
    <message>
        <source>Vuoi tornare al menù?</source>
        <translation>Veux-tu revenir au menu&#x202f;?</translation>
    </message>
    <message>
        <source>operazioni scritte</source>
        <translation>opérations écrites</translation>
    </message>
    <message>
        <source>Operazioni scritte</source>
        <translation>Opérations écrites</translation>
    </message>
    <message>
        <source>visibili</source>
        <translation>affichées</translation>
    </message>
    <message>
        <source>invisibili</source>
        <translation>cachées</translation>
    </message>
    <message>
        <source>mostrami</source>
        <translation>montre-moi</translation>
    </message>
    <message>
        <source>ascolta</source>
        <translation>écoute</translation>
    </message>
</context>
<context>
    <name>brasti::Exercises</name>
    <message>
        <source>ordina 3 brasti</source>
        <translation>range 3 réglettes</translation>
    </message>
    <message>
        <source>ordina 4 brasti</source>
        <translation>range 4 réglettes</translation>
    </message>
    <message>
        <source>ordina 5 brasti</source>
        <translation>range 5 réglettes</translation>
    </message>
    <message>
        <source>ordina 7 brasti</source>
        <translation>range 7 réglettes</translation>
    </message>
    <message>
        <source>ordina tutti i brasti</source>
        <translation>range toutes les réglettes</translation>
    </message>
    <message>
        <source>trova il brasto in mezzo</source>
        <translation>trouve la réglette du milieu</translation>
    </message>
    <message>
        <source>trova i brasti vicini</source>
        <translation>trouve les réglettes voisines</translation>
    </message>
    <message>
        <source>trova il   &gt; &lt; =</source>
        <translation>trouve le   &gt; &lt; =</translation>
    </message>
    <message>
        <source>inserisci   &gt; &lt; =</source>
        <translation>complète   &gt; &lt; =</translation>
    </message>
    <message>
        <source>dal brasto al numero</source>
        <translation>de la réglette au nombre</translation>
    </message>
    <message>
        <source>dal numero al brasto</source>
        <translation>du nombre à la réglette</translation>
    </message>
    <message>
        <source>componi il 10</source>
        <translation>compose 10</translation>
    </message>
    <message>
        <source>trova la somma</source>
        <translation>trouve la somme</translation>
    </message>
    <message>
        <source>trova la differenza</source>
        <translation>trouve la différence</translation>
    </message>
    <message>
        <source>somma - differenza</source>
        <translation>somme - différence</translation>
    </message>
    <message>
        <source>scrivi l&apos;addizione (entro il 10)</source>
        <translation>écris l&apos;addition (jusqu&apos;à 10)</translation>
    </message>
    <message>
        <source>componi il brasto</source>
        <translation>compose la réglette</translation>
    </message>
    <message>
        <source>scrivi la sottrazione (entro il 10)</source>
        <translation>écris la soustraction (jusqu&apos;à 10)</translation>
    </message>
    <message>
        <source>numeri fino al 20 (utilizzando sempre il 10)</source>
        <translation>nombres jusqu&apos;à 20 (toujours avec le 10)</translation>
    </message>
    <message>
        <source>componi i numeri fino al 20</source>
        <translation>compose les nombres jusqu&apos;à 20</translation>
    </message>
    <message>
        <source>addizioni entro il 10</source>
        <translation>additions jusqu&apos;à 10</translation>
    </message>
    <message>
        <source>addizioni entro il 20</source>
        <translation>additions jusqu&apos;à 20</translation>
    </message>
    <message>
        <source>sottrazioni entro il 10</source>
        <translation>soustractions jusqu&apos;à 10</translation>
    </message>
    <message>
        <source>scrivi l&apos;addizione (entro il 20)</source>
        <translation>écris l&apos;addition (jusqu&apos;à 20)</translation>
    </message>
    <message>
        <source>sottrazioni entro il 20</source>
        <translation>soustractions jusqu&apos;à 20</translation>
    </message>
    <message>
        <source>scrivi la sottrazione (entro il 20)</source>
        <translation>écris la soustraction (jusqu&apos;à 20)</translation>
    </message>
    <message>
        <source>componi il 20</source>
        <translation>compose 20</translation>
    </message>
</context>
<context>
    <name>brasti::FocusSpeech</name>
    <message>
        <source>%1, pulsante, %2 di %3</source>
        <extracomment>A focused button and its place among the buttons of its set: &quot;ordina 3 brasti, pulsante, 1 di 27&quot;</extracomment>
        <translation>%1, bouton, %2 sur %3</translation>
    </message>
    <message>
        <source>%1, pulsante</source>
        <extracomment>A focused button, by its name: &quot;Conferma, pulsante&quot;</extracomment>
        <translation>%1, bouton</translation>
    </message>
    <message>
        <source>%1, pulsante di opzione, selezionato</source>
        <translation>%1, bouton radio, sélectionné</translation>
    </message>
    <message>
        <source>%1, pulsante di opzione, non selezionato</source>
        <translation>%1, bouton radio, non sélectionné</translation>
    </message>
    <message>
        <source>%1, casella di controllo, selezionata</source>
        <translation>%1, case à cocher, cochée</translation>
    </message>
    <message>
        <source>%1, casella di controllo, non selezionata</source>
        <translation>%1, case à cocher, non cochée</translation>
    </message>
    <message>
        <source>%1, campo di testo</source>
        <extracomment>A focused text field by its name, then what it holds: &quot;risposta, campo di testo, 7&quot;</extracomment>
        <translation>%1, zone de texte</translation>
    </message>
    <message>
        <source>%1, campo di testo, %2</source>
        <translation>%1, zone de texte, %2</translation>
    </message>
    <message>
        <source>%1, casella combinata, %2</source>
        <extracomment>A focused drop-down list by its name, then the choice it shows: &quot;lingua, casella combinata, English&quot;</extracomment>
        <translation>%1, liste déroulante, %2</translation>
    </message>
    <message>
        <source>%1, elenco</source>
        <extracomment>A focused list by its name, then its current line: &quot;operazioni scritte, elenco, 3 + 4 = 7&quot;</extracomment>
        <translation>%1, liste</translation>
    </message>
    <message>
        <source>%1, elenco, %2</source>
        <translation>%1, liste, %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A focused control by its name, then what it tells: &quot;brasto 3, nella casella 2&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 Rispondi %2 o %3.</source>
        <extracomment>A question box as it opens: its question, then its two buttons: &quot;Vuoi uscire dal programma? Rispondi Sì o No.&quot;</extracomment>
        <translation>%1 Réponds %2 ou %3.</translation>
    </message>
    <message>
        <source>%1 Pulsante: %2.</source>
        <extracomment>A message box as it opens: its text, then its one button: &quot;... Pulsante: OK.&quot;</extracomment>
        <translation>%1 Bouton&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>brasti::MenuScreen</name>
    <message>
        <source>Brasti - esercizi</source>
        <translation>Brasti - exercices</translation>
    </message>
    <message>
        <source>solo con i brasti</source>
        <translation>sans les nombres</translation>
    </message>
    <message>
        <source>con i numeri</source>
        <translation>avec les nombres</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>attende la pressione del bottone per proseguire</source>
        <translation>attend l&apos;appui sur le bouton pour continuer</translation>
    </message>
    <message>
        <source>prosegue automaticamente  negli esercizi</source>
        <translation>passe au problème suivant sans attendre</translation>
    </message>
</context>
<context>
    <name>brasti::NumberToRodScreen</name>
    <message>
        <source>Numeri in...</source>
        <translation>Nombres en...</translation>
    </message>
    <message>
        <source>parola</source>
        <translation>lettres</translation>
    </message>
    <message>
        <source>cifre</source>
        <translation>chiffres</translation>
    </message>
</context>
<context>
    <name>brasti::NumbersWithTenScreen</name>
    <message>
        <source>casella del numero</source>
        <translation>case du nombre</translation>
    </message>
    <message>
        <source>nella casella del numero</source>
        <translation>dans la case du nombre</translation>
    </message>
</context>
<context>
    <name>brasti::OrderingScreen</name>
    <message>
        <source>casella %1</source>
        <translation>case %1</translation>
    </message>
    <message>
        <source>ordina dal minore al maggiore </source>
        <translation>range de la plus petite à la plus grande </translation>
    </message>
    <message>
        <source>Ricomincia</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Tipo di ordinamento</source>
        <translation>Ordre de rangement</translation>
    </message>
    <message>
        <source>crescente</source>
        <translation>croissant</translation>
    </message>
    <message>
        <source>decrescente</source>
        <translation>décroissant</translation>
    </message>
    <message>
        <source>devi sistemare tutti i brasti!</source>
        <translation>Tu dois placer toutes les réglettes&#x202f;!</translation>
    </message>
    <message>
        <source>ordina dal maggiore al minore </source>
        <translation>range de la plus grande à la plus petite </translation>
    </message>
    <message>
        <source>nella casella %1</source>
        <translation>dans la case %1</translation>
    </message>
</context>
<context>
    <name>brasti::RelationScreen</name>
    <message>
        <source>scatola a sinistra del segno</source>
        <translation>boîte à gauche du signe</translation>
    </message>
    <message>
        <source>scatola a destra del segno</source>
        <translation>boîte à droite du signe</translation>
    </message>
    <message>
        <source>Trascina un brasto che possa completare la relazione</source>
        <translation>Fais glisser une réglette qui peut compléter la relation</translation>
    </message>
    <message>
        <source>nella scatola a sinistra del segno</source>
        <translation>dans la boîte à gauche du signe</translation>
    </message>
    <message>
        <source>nella scatola a destra del segno</source>
        <translation>dans la boîte à droite du signe</translation>
    </message>
</context>
<context>
    <name>brasti::RodToNumberScreen</name>
    <message>
        <source>numero %1</source>
        <translation>nombre %1</translation>
    </message>
</context>
<context>
    <name>brasti::RowScreen</name>
    <message>
        <source>scatola di sinistra</source>
        <translation>boîte de gauche</translation>
    </message>
    <message>
        <source>scatola di mezzo</source>
        <translation>boîte du milieu</translation>
    </message>
    <message>
        <source>scatola di destra</source>
        <translation>boîte de droite</translation>
    </message>
    <message>
        <source>Ricomincia</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>nella scatola di sinistra</source>
        <translation>dans la boîte de gauche</translation>
    </message>
    <message>
        <source>nella scatola di mezzo</source>
        <translation>dans la boîte du milieu</translation>
    </message>
    <message>
        <source>nella scatola di destra</source>
        <translation>dans la boîte de droite</translation>
    </message>
</context>
<context>
    <name>brasti::Services</name>
    <message>
        <source>Squadra Brasti</source>
        <translation>L&apos;équipe Brasti</translation>
    </message>
    <message>
        <source>Vuoi uscire dal programma?</source>
        <translation>Veux-tu quitter le programme&#x202f;?</translation>
    </message>
    <message>
        <source>Per l&apos;insegnante: Ctrl+Alt+I nel menù, oppure tieni premuto 3 secondi su «solo con i brasti».</source>
        <translation>Pour l&apos;enseignant&#xa0;: Ctrl+Alt+I dans le menu, ou appuyez 3 secondes sur «&#xa0;sans les nombres&#xa0;».</translation>
    </message>
</context>
<context>
    <name>brasti::Settings</name>
    <message>
        <source>L&apos;indirizzo porta più di %1 caratteri di impostazioni: non ne vale nessuna.</source>
        <translation>L&apos;adresse contient plus de %1 caractères de paramètres&#xa0;: aucun n&apos;est pris en compte.</translation>
    </message>
    <message>
        <source>In «%1» c&apos;è qualcosa che non è un numero né un intervallo come 1-5, ed è lasciato da parte: %2.</source>
        <extracomment>%1 is the setting&apos;s name, %2 what was left out of it (&quot;due, 5-3&quot;).</extracomment>
        <translation>Dans «&#xa0;%1&#xa0;», une partie n&apos;est ni un nombre ni un intervalle comme 1-5 et elle est ignorée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>In «%1» gli esercizi vanno da 1 a %2: quello che sta fuori è lasciato da parte (%3).</source>
        <extracomment>%1 is the setting&apos;s name, %2 the last exercise, %3 what went outside (&quot;0, 28-30&quot;).</extracomment>
        <translation>Dans «&#xa0;%1&#xa0;», les exercices vont de 1 à %2&#xa0;: ce qui est en dehors est ignoré (%3).</translation>
    </message>
    <message>
        <source>Così com&apos;è scritto, «%1» non lascia nessun esercizio: il menu li offre tutti.</source>
        <translation>Tel qu&apos;il est écrit, «&#xa0;%1&#xa0;» ne laisse aucun exercice&#xa0;: le menu les propose tous.</translation>
    </message>
    <message>
        <source>L&apos;impostazione «%1» non esiste: è lasciata da parte.</source>
        <translation>Le paramètre «&#xa0;%1&#xa0;» n&apos;existe pas&#xa0;: il est ignoré.</translation>
    </message>
    <message>
        <source>Ci sono anche altre impostazioni che non esistono: sono lasciate da parte.</source>
        <translation>Il y a aussi d&apos;autres paramètres qui n&apos;existent pas&#xa0;: ils sont ignorés.</translation>
    </message>
    <message>
        <source>L&apos;impostazione «%1» è scritta più di una volta: non vale nessuno dei suoi valori.</source>
        <translation>Le paramètre «&#xa0;%1&#xa0;» est écrit plus d&apos;une fois&#xa0;: aucune de ses valeurs n&apos;est prise en compte.</translation>
    </message>
    <message>
        <source>L&apos;impostazione «%1» non ha un valore: resta quella predefinita.</source>
        <translation>Le paramètre «&#xa0;%1&#xa0;» n&apos;a pas de valeur&#xa0;: la valeur par défaut est gardée.</translation>
    </message>
    <message>
        <source>Il valore di «%1» è troppo lungo: è lasciato da parte.</source>
        <translation>La valeur de «&#xa0;%1&#xa0;» est trop longue&#xa0;: elle est ignorée.</translation>
    </message>
    <message>
        <source>Per «%1» scrivere «%2» o «%3», non «%4»: il valore è lasciato da parte.</source>
        <translation>Pour «&#xa0;%1&#xa0;», écrivez «&#xa0;%2&#xa0;» ou «&#xa0;%3&#xa0;», pas «&#xa0;%4&#xa0;»&#xa0;: la valeur est ignorée.</translation>
    </message>
    <message>
        <source>Per «%1» scrivere una delle lingue %2, non «%3»: resta la lingua del sistema.</source>
        <extracomment>%2 lists the languages&apos; codes, &quot;it, en, es, fr, pt&quot;.</extracomment>
        <translation>Pour «&#xa0;%1&#xa0;», écrivez l&apos;une des langues %2, pas «&#xa0;%3&#xa0;»&#xa0;: la langue du système est gardée.</translation>
    </message>
    <message>
        <source>Per «%1» scrivere true o false (oppure 1 o 0), non «%2»: il valore è lasciato da parte.</source>
        <extracomment>Every message here is for the teacher. The names and values in «» are the settings file&apos;s own and stay as they are.</extracomment>
        <translation>Pour «&#xa0;%1&#xa0;», écrivez true ou false (ou bien 1 ou 0), pas «&#xa0;%2&#xa0;»&#xa0;: la valeur est ignorée.</translation>
    </message>
    <message>
        <source>Nessun esercizio è scelto: il menu ne deve offrire almeno uno.</source>
        <translation>Aucun exercice n&apos;est choisi&#xa0;: le menu doit en proposer au moins un.</translation>
    </message>
    <message>
        <source>«%1» non è il codice di una lingua.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas le code d&apos;une langue.</translation>
    </message>
    <message>
        <source>Il file %1 non si può leggere: valgono le impostazioni predefinite.</source>
        <translation>Le fichier %1 ne peut pas être lu&#xa0;: les paramètres par défaut s&apos;appliquent.</translation>
    </message>
    <message>
        <source>Il file %1 è più grande di %2 KiB, troppo per un file di impostazioni: valgono quelle predefinite.</source>
        <translation>Le fichier %1 dépasse %2&#xa0;Kio, c&apos;est trop pour un fichier de paramètres&#xa0;: les paramètres par défaut s&apos;appliquent.</translation>
    </message>
    <message>
        <source>Il file %1 non è testo semplice come lo scrive un editor: valgono le impostazioni predefinite.</source>
        <translation>Le fichier %1 n&apos;est pas du texte brut comme l&apos;écrit un éditeur de texte&#xa0;: les paramètres par défaut s&apos;appliquent.</translation>
    </message>
    <message>
        <source>%1 Le impostazioni non sono salvate.</source>
        <extracomment>Said when the settings could not be saved; %1 says why.</extracomment>
        <translation>%1 Les paramètres ne sont pas enregistrés.</translation>
    </message>
    <message>
        <source>Qui non c&apos;è un file dove salvare le impostazioni.</source>
        <translation>Il n&apos;y a ici aucun fichier où enregistrer les paramètres.</translation>
    </message>
    <message>
        <source>La cartella %1 non si può creare: le impostazioni non sono salvate.</source>
        <translation>Le dossier %1 ne peut pas être créé&#xa0;: les paramètres ne sont pas enregistrés.</translation>
    </message>
    <message>
        <source>Il file %1 c&apos;è ma non si può leggere: le impostazioni non sono salvate, per non perdere quello che contiene.</source>
        <translation>Le fichier %1 existe mais ne peut pas être lu&#xa0;: les paramètres ne sont pas enregistrés, pour ne pas perdre ce qu&apos;il contient.</translation>
    </message>
    <message>
        <source>Il file %1 non si può scrivere (%2): le impostazioni non sono salvate.</source>
        <extracomment>%2 is the system&apos;s reason, as Qt gives it.</extracomment>
        <translation>Le fichier %1 ne peut pas être écrit (%2)&#xa0;: les paramètres ne sont pas enregistrés.</translation>
    </message>
</context>
<context>
    <name>brasti::SignScreen</name>
    <message>
        <source>maggiore</source>
        <translation>plus grand que</translation>
    </message>
    <message>
        <source>minore</source>
        <translation>plus petit que</translation>
    </message>
    <message>
        <source>uguale</source>
        <translation>égal à</translation>
    </message>
    <message>
        <source>scatola di sinistra</source>
        <translation>boîte de gauche</translation>
    </message>
    <message>
        <source>scatola di destra</source>
        <translation>boîte de droite</translation>
    </message>
    <message>
        <source>nella scatola di sinistra</source>
        <translation>dans la boîte de gauche</translation>
    </message>
    <message>
        <source>nella scatola di destra</source>
        <translation>dans la boîte de droite</translation>
    </message>
</context>
<context>
    <name>brasti::SingleRodScreen</name>
    <message>
        <source>barra del 10</source>
        <translation>barre de 10</translation>
    </message>
    <message>
        <source>striscia in alto</source>
        <translation>bande du haut</translation>
    </message>
    <message>
        <source>striscia in basso</source>
        <translation>bande du bas</translation>
    </message>
    <message>
        <source>nella barra del 10</source>
        <translation>dans la barre de 10</translation>
    </message>
    <message>
        <source>nella striscia in alto</source>
        <translation>dans la bande du haut</translation>
    </message>
    <message>
        <source>nella striscia in basso</source>
        <translation>dans la bande du bas</translation>
    </message>
</context>
<context>
    <name>brasti::Spoken</name>
    <message>
        <source>bianco</source>
        <translation>blanche</translation>
    </message>
    <message>
        <source>rosso</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>verde</source>
        <translation>vert clair</translation>
    </message>
    <message>
        <source>fucsia</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>giallo</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>verde scuro</source>
        <translation>vert foncé</translation>
    </message>
    <message>
        <source>nero</source>
        <translation>noire</translation>
    </message>
    <message>
        <source>marrone</source>
        <translation>marron</translation>
    </message>
    <message>
        <source>blu</source>
        <translation>bleue</translation>
    </message>
    <message>
        <source>arancione</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>%1 e %2</source>
        <extracomment>The last two items of a list: &quot;brasto 2 e brasto 5&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>brasto %1</source>
        <translation>réglette %1</translation>
    </message>
    <message>
        <source>dal minore al maggiore</source>
        <translation>de la plus petite à la plus grande</translation>
    </message>
    <message>
        <source>dal maggiore al minore</source>
        <translation>de la plus grande à la plus petite</translation>
    </message>
    <message>
        <source>Ordina %1 tutti i brasti nelle %2 caselle.</source>
        <translation>Range toutes les réglettes %1 dans les %2 cases.</translation>
    </message>
    <message>
        <source>Ordina %1 %2 nelle %3 caselle.</source>
        <translation>Range ces réglettes %1 dans les %3 cases&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Trova il brasto in mezzo tra %1 e %2.</source>
        <translation>Trouve la réglette du milieu entre la %1 et la %2.</translation>
    </message>
    <message>
        <source>Trova i brasti vicini di %1: il più corto a sinistra, il più lungo a destra.</source>
        <translation>Trouve les réglettes voisines de la %1&#xa0;: la plus courte à gauche, la plus longue à droite.</translation>
    </message>
    <message>
        <source>A sinistra %1, a destra %2: scegli il segno.</source>
        <translation>À gauche, la %1&#x202f;; à droite, la %2&#xa0;: choisis le signe.</translation>
    </message>
    <message>
        <source>brasto %1</source>
        <comment>a rod named by its colour: brasto verde</comment>
        <translation>réglette %1</translation>
    </message>
    <message>
        <source>tac</source>
        <extracomment>One unit of a rod, said as the child counts it.</extracomment>
        <translation>toc</translation>
    </message>
    <message>
        <source>Quanto vale il %1? Conta le sue unità: %2.</source>
        <translation>Combien vaut la %1&#x202f;? Compte ses unités&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Scegli il brasto del numero %1.</source>
        <translation>Choisis la réglette du nombre %1.</translation>
    </message>
    <message>
        <source>Componi %1 nella casella del numero: prima il brasto 10, poi il brasto che manca.</source>
        <translation>Compose %1 dans la case du nombre&#xa0;: d&apos;abord la réglette 10, puis la réglette qui manque.</translation>
    </message>
    <message>
        <source>Componi il 10: metti accanto al %1 il brasto che manca.</source>
        <translation>Compose 10&#xa0;: mets à côté de la %1 la réglette qui manque.</translation>
    </message>
    <message>
        <source>Trova la somma: il brasto lungo come %1 e %2 insieme.</source>
        <translation>Trouve la somme&#xa0;: la réglette aussi longue que la %1 et la %2 ensemble.</translation>
    </message>
    <message>
        <source>Trova la differenza: il brasto che, con %1, è lungo come %2.</source>
        <translation>Trouve la différence&#xa0;: la réglette qui, avec la %1, est aussi longue que la %2.</translation>
    </message>
    <message>
        <source>Componi il %1 mettendo dei brasti in fila.</source>
        <translation>Compose la %1 en mettant des réglettes bout à bout.</translation>
    </message>
    <message>
        <source>Componi %1: la barra del 10 e %2.</source>
        <translation>Compose %1&#xa0;: la barre de 10 et la %2.</translation>
    </message>
    <message>
        <source>%1: riempi la barra della somma, poi scrivi il risultato.</source>
        <translation>%1&#xa0;: remplis la barre de la somme, puis écris le résultat.</translation>
    </message>
    <message>
        <source>Sotto la barra della somma: %1; riempila, poi scrivi l&apos;addizione.</source>
        <translation>Sous la barre de la somme&#xa0;: %1&#x202f;; remplis-la, puis écris l&apos;addition.</translation>
    </message>
    <message>
        <source>%1: completa la barra della differenza, poi scrivi il risultato.</source>
        <translation>%1&#xa0;: complète la barre de la différence, puis écris le résultat.</translation>
    </message>
    <message>
        <source>la barra %1</source>
        <extracomment>The given bar of a subtraction within 10: &quot;la barra lunga come brasto 7&quot;.</extracomment>
        <translation>la barre %1</translation>
    </message>
    <message>
        <source>Sopra: %1; sotto: %2; completa la barra della differenza, poi scrivi la sottrazione.</source>
        <translation>En haut&#xa0;: %1&#x202f;; en bas&#xa0;: %2&#x202f;; complète la barre de la différence, puis écris la soustraction.</translation>
    </message>
    <message>
        <source>lunga come %1</source>
        <translation>aussi longue que la %1</translation>
    </message>
    <message>
        <source> Già %1: %2.</source>
        <extracomment>Added to a problem&apos;s sentence, with its leading blank: &quot; Già nella riga da riempire: brasto 4.&quot;</extracomment>
        <translation> Déjà %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Il %1 è maggiore del brasto da mettere nella scatola a destra.</source>
        <translation>La %1 est plus grande que la réglette à mettre dans la boîte de droite.</translation>
    </message>
    <message>
        <source>Il %1 è minore del brasto da mettere nella scatola a destra.</source>
        <translation>La %1 est plus petite que la réglette à mettre dans la boîte de droite.</translation>
    </message>
    <message>
        <source>Il %1 è uguale al brasto da mettere nella scatola a destra.</source>
        <translation>La %1 est égale à la réglette à mettre dans la boîte de droite.</translation>
    </message>
    <message>
        <source>Il brasto da mettere nella scatola a sinistra è maggiore del %1.</source>
        <translation>La réglette à mettre dans la boîte de gauche est plus grande que la %1.</translation>
    </message>
    <message>
        <source>Il brasto da mettere nella scatola a sinistra è minore del %1.</source>
        <translation>La réglette à mettre dans la boîte de gauche est plus petite que la %1.</translation>
    </message>
    <message>
        <source>Il brasto da mettere nella scatola a sinistra è uguale al %1.</source>
        <translation>La réglette à mettre dans la boîte de gauche est égale à la %1.</translation>
    </message>
    <message>
        <source>%1 meno %2 uguale</source>
        <extracomment>A printed operation &quot;7 - 3 =&quot; as it is heard, before its result.</extracomment>
        <translation>%1 moins %2 égale</translation>
    </message>
    <message>
        <source>%1 più %2 uguale</source>
        <extracomment>A printed operation &quot;3 + 4 =&quot; as it is heard, before its result.</extracomment>
        <translation>%1 plus %2 égale</translation>
    </message>
    <message>
        <source>%1 meno %2 uguale %3</source>
        <extracomment>A written subtraction &quot;7 - 3 = 4&quot; as it is heard.</extracomment>
        <translation>%1 moins %2 égale %3</translation>
    </message>
    <message>
        <source>%1 uguale %2 più %3</source>
        <extracomment>A number written as a sum, &quot;14 = 10 + 4&quot;, as it is heard.</extracomment>
        <translation>%1 égale %2 plus %3</translation>
    </message>
    <message>
        <source>%1 più %2</source>
        <extracomment>The first numbers of a sum of three or more, &quot;2 + 3&quot; in &quot;2 + 3 + 2 = 7&quot;, as heard.</extracomment>
        <translation>%1 plus %2</translation>
    </message>
    <message>
        <source>%1 più %2 uguale %3</source>
        <extracomment>A written addition &quot;3 + 4 = 7&quot; as it is heard; %1 may be a longer sum, &quot;2 più 3&quot;.</extracomment>
        <translation>%1 plus %2 égale %3</translation>
    </message>
</context>
<context>
    <name>brasti::StartScreen</name>
    <message>
        <source>Esercitazioni matematiche</source>
        <translation>Exercices de mathématiques</translation>
    </message>
    <message>
        <source>Uso dei brasti</source>
        <translation>Utiliser les réglettes</translation>
    </message>
    <message>
        <source>Avvio</source>
        <translation>Commencer</translation>
    </message>
</context>
<context>
    <name>brasti::TeacherWindow</name>
    <message>
        <source>Brasti - per l&apos;insegnante</source>
        <translation>Brasti - pour l&apos;enseignant</translation>
    </message>
    <message>
        <source>Esercizi offerti nel menù</source>
        <translation>Exercices proposés dans le menu</translation>
    </message>
    <message>
        <source>tutta la colonna %1</source>
        <translation>toute la colonne %1</translation>
    </message>
    <message>
        <source>tutti</source>
        <translation>tous</translation>
    </message>
    <message>
        <source>tutti gli esercizi</source>
        <translation>tous les exercices</translation>
    </message>
    <message>
        <source>nessuno</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>nessun esercizio</source>
        <translation>aucun exercice</translation>
    </message>
    <message>
        <source>attende la pressione del bottone per proseguire</source>
        <translation>attend l&apos;appui sur le bouton pour continuer</translation>
    </message>
    <message>
        <source>prosegue automaticamente  negli esercizi</source>
        <translation>passe au problème suivant sans attendre</translation>
    </message>
    <message>
        <source>numeri sui brasti</source>
        <translation>nombres sur les réglettes</translation>
    </message>
    <message>
        <source>offri «Esci» nel menù</source>
        <translation>proposer «&#xa0;Quitter&#xa0;» dans le menu</translation>
    </message>
    <message>
        <source>mostra la risposta dopo un errore</source>
        <translation>montrer la réponse après une erreur</translation>
    </message>
    <message>
        <source>lingua</source>
        <translation>langue</translation>
    </message>
    <message>
        <source>lingua del sistema</source>
        <translation>langue du système</translation>
    </message>
    <message>
        <source>lettura delle impostazioni</source>
        <translation>lecture des paramètres</translation>
    </message>
    <message>
        <source>Nessun file di impostazioni letto.</source>
        <translation>Aucun fichier de paramètres n&apos;a été lu.</translation>
    </message>
    <message>
        <source>Impostazioni lette da %1</source>
        <translation>Paramètres lus dans %1</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>collegamento con queste impostazioni</source>
        <translation>lien avec ces paramètres</translation>
    </message>
    <message>
        <source>Copia il collegamento</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>esito</source>
        <translation>résultat</translation>
    </message>
    <message>
        <source>riepilogo degli esercizi svolti</source>
        <translation>récapitulatif des exercices faits</translation>
    </message>
    <message>
        <source>esercizio</source>
        <translation>exercice</translation>
    </message>
    <message>
        <source>risolti</source>
        <translation>résolus</translation>
    </message>
    <message>
        <source>errori</source>
        <translation>erreurs</translation>
    </message>
    <message>
        <source>tempo</source>
        <translation>temps</translation>
    </message>
    <message>
        <source>Svuota</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Svuota il riepilogo</source>
        <translation>Vider le récapitulatif</translation>
    </message>
    <message>
        <source>Non salvato: %1</source>
        <translation>Échec de l&apos;enregistrement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Salvato in %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source>risposte mostrate</source>
        <translation>réponses montrées</translation>
    </message>
    <message>
        <source>ordinare i brasti</source>
        <translation>ranger les réglettes</translation>
    </message>
    <message>
        <source>confrontare i brasti</source>
        <translation>comparer les réglettes</translation>
    </message>
    <message>
        <source>brasti e numeri</source>
        <translation>réglettes et nombres</translation>
    </message>
    <message>
        <source>comporre con i brasti</source>
        <translation>composer avec les réglettes</translation>
    </message>
    <message>
        <source>addizioni e sottrazioni</source>
        <translation>additions et soustractions</translation>
    </message>
    <message>
        <source>leggi ad alta voce</source>
        <translation>lire à voix haute</translation>
    </message>
    <message>
        <source>Su questo computer non c&apos;è una voce italiana</source>
        <translation>Il n&apos;y a pas de voix française sur cet ordinateur</translation>
    </message>
</context>
<context>
    <name>brasti::WrittenScreen</name>
    <message>
        <source>piano di lavoro</source>
        <translation>zone de travail</translation>
    </message>
    <message>
        <source>barra della somma</source>
        <translation>barre de la somme</translation>
    </message>
    <message>
        <source>barra del minuendo</source>
        <translation>barre du nombre de départ</translation>
    </message>
    <message>
        <source>barra degli addendi</source>
        <translation>barre des termes</translation>
    </message>
    <message>
        <source>barra della differenza</source>
        <translation>barre de la différence</translation>
    </message>
    <message>
        <source>risposta</source>
        <translation>réponse</translation>
    </message>
    <message>
        <source>puoi usare il brasto da 10</source>
        <translation>Tu peux utiliser la réglette 10.</translation>
    </message>
    <message>
        <source>nella barra della somma</source>
        <translation>dans la barre de la somme</translation>
    </message>
    <message>
        <source>nella barra del minuendo</source>
        <translation>dans la barre du nombre de départ</translation>
    </message>
    <message>
        <source>nella barra degli addendi</source>
        <translation>dans la barre des termes</translation>
    </message>
    <message>
        <source>nella barra della differenza</source>
        <translation>dans la barre de la différence</translation>
    </message>
</context>
</TS>
