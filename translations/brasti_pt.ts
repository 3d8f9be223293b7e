<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="it_IT">
<context>
    <name>brasti::AnswerShow</name>
    <message>
        <source>ora prova tu</source>
        <translation>agora é sua vez</translation>
    </message>
</context>
<context>
    <name>brasti::CommandLine</name>
    <message>
        <source>mostra questo aiuto ed esce</source>
        <translation>exibe esta ajuda e sai</translation>
    </message>
    <message>
        <source>mostra la versione ed esce</source>
        <translation>exibe a versão e sai</translation>
    </message>
    <message>
        <source>apre ogni finestra a schermo intero, per la lavagna interattiva</source>
        <translation>abre cada janela em tela cheia, para a lousa digital</translation>
    </message>
    <message>
        <source>scrive su ogni brasto il suo numero, per chi non distingue i colori</source>
        <translation>escreve em cada barra o seu número, para quem confunde as cores</translation>
    </message>
    <message>
        <source>parla la lingua scelta (%1) invece di quella del sistema</source>
        <extracomment>%1 lists the languages&apos; codes, &quot;it, en, es, fr, pt&quot;.</extracomment>
        <translation>usa o idioma escolhido (%1) em vez do idioma do sistema</translation>
    </message>
    <message>
        <source>codice</source>
        <extracomment>The value of --lingua, as the help shows it: --lingua &lt;codice&gt;.</extracomment>
        <translation>código</translation>
    </message>
    <message>
        <source>lingua sconosciuta: %1 (le lingue sono %2)</source>
        <extracomment>%1 is the code asked for, %2 lists the codes of the languages there are.</extracomment>
        <translation>idioma desconhecido: %1 (os idiomas são %2)</translation>
    </message>
    <message>
        <source>opzione sconosciuta: %1%2</source>
        <translation>opção desconhecida: %1%2</translation>
    </message>
    <message>
        <source>opzione non valida</source>
        <translation>opção inválida</translation>
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
        <translation>Uso: brasti [opções]

Exercícios de matemática com as barras coloridas,
para os primeiros anos do ensino fundamental.

Opções:
</translation>
    </message>
    <message>
        <source>Licenza GPL-3.0-or-later: GNU GPL versione 3 o successiva, senza alcuna garanzia.</source>
        <translation>Licença GPL-3.0-or-later: GNU GPL versão 3 ou posterior, sem nenhuma garantia.</translation>
    </message>
    <message>
        <source>brasti: %1 (brasti --help elenca le opzioni)</source>
        <translation>brasti: %1 (brasti --help lista as opções)</translation>
    </message>
    <message>
        <source>apre il menù con la finestra dell&apos;insegnante</source>
        <translation>abre o menu com a janela do professor</translation>
    </message>
</context>
<context>
    <name>brasti::CompositionScreen</name>
    <message>
        <source>barra del 10</source>
        <translation>faixa do 10</translation>
    </message>
    <message>
        <source>brasto da comporre</source>
        <translation>barra para formar</translation>
    </message>
    <message>
        <source>seconda barra del 10</source>
        <translation>segunda faixa do 10</translation>
    </message>
    <message>
        <source>unità da comporre</source>
        <translation>unidades para formar</translation>
    </message>
    <message>
        <source>riga da riempire</source>
        <translation>fileira para preencher</translation>
    </message>
    <message>
        <source>nella barra del 10</source>
        <translation>na faixa do 10</translation>
    </message>
    <message>
        <source>nel brasto da comporre</source>
        <translation>na barra para formar</translation>
    </message>
    <message>
        <source>nella seconda barra del 10</source>
        <translation>na segunda faixa do 10</translation>
    </message>
    <message>
        <source>nell&apos;unità da comporre</source>
        <translation>nas unidades para formar</translation>
    </message>
    <message>
        <source>nella riga da riempire</source>
        <translation>na fileira para preencher</translation>
    </message>
</context>
<context>
    <name>brasti::Dialogs</name>
    <message>
        <source>Utilizzare i brasti</source>
        <translation>Usar as barras</translation>
    </message>
    <message>
        <source>Sì</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
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
        <translation>próximo</translation>
    </message>
    <message>
        <source>Esatti</source>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>Errati</source>
        <translation>Erros</translation>
    </message>
    <message>
        <source>risposta sbagliata</source>
        <translation>resposta errada</translation>
    </message>
    <message>
        <source>risposta esatta</source>
        <translation>resposta certa</translation>
    </message>
    <message>
        <source>Azzera conteggio</source>
        <translation>Zerar contagem</translation>
    </message>
    <message>
        <source>Informazioni</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>passo giusto</source>
        <translation>passo certo</translation>
    </message>
    <message>
        <source>esatti %1, errati %2</source>
        <translation>acertos %1, erros %2</translation>
    </message>
    <message>
        <source>Vuoi tornare al menù?</source>
        <translation>Quer voltar ao menu?</translation>
    </message>
    <message>
        <source>operazioni scritte</source>
        <translation>contas escritas</translation>
    </message>
    <message>
        <source>Operazioni scritte</source>
        <translation>Contas escritas</translation>
    </message>
    <message>
        <source>visibili</source>
        <translation>visíveis</translation>
    </message>
    <message>
        <source>invisibili</source>
        <translation>escondidas</translation>
    </message>
    <message>
        <source>mostrami</source>
        <translation>mostre como</translation>
    </message>
    <message>
        <source>ascolta</source>
        <translation>ouvir</translation>
    </message>
</context>
<context>
    <name>brasti::Exercises</name>
    <message>
        <source>ordina 3 brasti</source>
        <translation>ordene 3 barras</translation>
    </message>
    <message>
        <source>ordina 4 brasti</source>
        <translation>ordene 4 barras</translation>
    </message>
    <message>
        <source>ordina 5 brasti</source>
        <translation>ordene 5 barras</translation>
    </message>
    <message>
        <source>ordina 7 brasti</source>
        <translation>ordene 7 barras</translation>
    </message>
    <message>
        <source>ordina tutti i brasti</source>
        <translation>ordene todas as barras</translation>
    </message>
    <message>
        <source>trova il brasto in mezzo</source>
        <translation>encontre a barra do meio</translation>
    </message>
    <message>
        <source>trova i brasti vicini</source>
        <translation>encontre as barras vizinhas</translation>
    </message>
    <message>
        <source>trova il   &gt; &lt; =</source>
        <translation>encontre o   &gt; &lt; =</translation>
    </message>
    <message>
        <source>inserisci   &gt; &lt; =</source>
        <translation>coloque   &gt; &lt; =</translation>
    </message>
    <message>
        <source>dal brasto al numero</source>
        <translation>da barra ao número</translation>
    </message>
    <message>
        <source>dal numero al brasto</source>
        <translation>do número à barra</translation>
    </message>
    <message>
        <source>componi il 10</source>
        <translation>forme o 10</translation>
    </message>
    <message>
        <source>trova la somma</source>
        <translation>encontre a soma</translation>
    </message>
    <message>
        <source>trova la differenza</source>
        <translation>encontre a diferença</translation>
    </message>
    <message>
        <source>somma - differenza</source>
        <translation>soma - diferença</translation>
    </message>
    <message>
        <source>scrivi l&apos;addizione (entro il 10)</source>
        <translation>escreva a adição (até 10)</translation>
    </message>
    <message>
        <source>componi il brasto</source>
        <translation>forme a barra</translation>
    </message>
    <message>
        <source>scrivi la sottrazione (entro il 10)</source>
        <translation>escreva a subtração (até 10)</translation>
    </message>
    <message>
        <source>numeri fino al 20 (utilizzando sempre il 10)</source>
        <translation>números até 20 (sempre com o 10)</translation>
    </message>
    <message>
        <source>componi i numeri fino al 20</source>
        <translation>forme os números até 20</translation>
    </message>
    <message>
        <source>addizioni entro il 10</source>
        <translation>adições até 10</translation>
    </message>
    <message>
        <source>addizioni entro il 20</source>
        <translation>adições até 20</translation>
    </message>
    <message>
        <source>sottrazioni entro il 10</source>
        <translation>subtrações até 10</translation>
    </message>
    <message>
        <source>scrivi l&apos;addizione (entro il 20)</source>
        <translation>escreva a adição (até 20)</translation>
    </message>
    <message>
        <source>sottrazioni entro il 20</source>
        <translation>subtrações até 20</translation>
    </message>
    <message>
        <source>scrivi la sottrazione (entro il 20)</source>
        <translation>escreva a subtração (até 20)</translation>
    </message>
    <message>
        <source>componi il 20</source>
        <translation>forme o 20</translation>
    </message>
</context>
<context>
    <name>brasti::FocusSpeech</name>
    <message>
        <source>%1, pulsante, %2 di %3</source>
        <extracomment>A focused button and its place among the buttons of its set: &quot;ordina 3 brasti, pulsante, 1 di 27&quot;</extracomment>
        <translation>%1, botão, %2 de %3</translation>
    </message>
    <message>
        <source>%1, pulsante</source>
        <extracomment>A focused button, by its name: &quot;Conferma, pulsante&quot;</extracomment>
        <translation>%1, botão</translation>
    </message>
    <message>
        <source>%1, pulsante di opzione, selezionato</source>
        <translation>%1, botão de opção, selecionado</translation>
    </message>
    <message>
        <source>%1, pulsante di opzione, non selezionato</source>
        <translation>%1, botão de opção, não selecionado</translation>
    </message>
    <message>
        <source>%1, casella di controllo, selezionata</source>
        <translation>%1, caixa de seleção, marcada</translation>
    </message>
    <message>
        <source>%1, casella di controllo, non selezionata</source>
        <translation>%1, caixa de seleção, não marcada</translation>
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
        <translation>%1, caixa de combinação, %2</translation>
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
        <translation>%1 Responda %2 ou %3.</translation>
    </message>
    <message>
        <source>%1 Pulsante: %2.</source>
        <extracomment>A message box as it opens: its text, then its one button: &quot;... Pulsante: OK.&quot;</extracomment>
        <translation>%1 Botão: %2.</translation>
    </message>
</context>
<context>
    <name>brasti::MenuScreen</name>
    <message>
        <source>Brasti - esercizi</source>
        <translation>Brasti - exercícios</translation>
    </message>
    <message>
        <source>solo con i brasti</source>
        <translation>só com barras</translation>
    </message>
    <message>
        <source>con i numeri</source>
        <translation>com números</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>attende la pressione del bottone per proseguire</source>
        <translation>aguarda o botão ser apertado para continuar</translation>
    </message>
    <message>
        <source>prosegue automaticamente  negli esercizi</source>
        <translation>passa sozinho para o próximo problema</translation>
    </message>
</context>
<context>
    <name>brasti::NumberToRodScreen</name>
    <message>
        <source>Numeri in...</source>
        <translation>Números em...</translation>
    </message>
    <message>
        <source>parola</source>
        <translation>palavras</translation>
    </message>
    <message>
        <source>cifre</source>
        <translation>algarismos</translation>
    </message>
</context>
<context>
    <name>brasti::NumbersWithTenScreen</name>
    <message>
        <source>casella del numero</source>
        <translation>espaço do número</translation>
    </message>
    <message>
        <source>nella casella del numero</source>
        <translation>no espaço do número</translation>
    </message>
</context>
<context>
    <name>brasti::OrderingScreen</name>
    <message>
        <source>casella %1</source>
        <translation>espaço %1</translation>
    </message>
    <message>
        <source>ordina dal minore al maggiore </source>
        <translation>ordene da menor para a maior </translation>
    </message>
    <message>
        <source>Ricomincia</source>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Conferir</translation>
    </message>
    <message>
        <source>Tipo di ordinamento</source>
        <translation>Ordem</translation>
    </message>
    <message>
        <source>crescente</source>
        <translation>da menor para a maior</translation>
    </message>
    <message>
        <source>decrescente</source>
        <translation>da maior para a menor</translation>
    </message>
    <message>
        <source>devi sistemare tutti i brasti!</source>
        <translation>Você precisa colocar todas as barras!</translation>
    </message>
    <message>
        <source>ordina dal maggiore al minore </source>
        <translation>ordene da maior para a menor </translation>
    </message>
    <message>
        <source>nella casella %1</source>
        <translation>no espaço %1</translation>
    </message>
</context>
<context>
    <name>brasti::RelationScreen</name>
    <message>
        <source>scatola a sinistra del segno</source>
        <translation>caixa à esquerda do sinal</translation>
    </message>
    <message>
        <source>scatola a destra del segno</source>
        <translation>caixa à direita do sinal</translation>
    </message>
    <message>
        <source>Trascina un brasto che possa completare la relazione</source>
        <translation>Arraste uma barra que complete a comparação</translation>
    </message>
    <message>
        <source>nella scatola a sinistra del segno</source>
        <translation>na caixa à esquerda do sinal</translation>
    </message>
    <message>
        <source>nella scatola a destra del segno</source>
        <translation>na caixa à direita do sinal</translation>
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
        <translation>caixa da esquerda</translation>
    </message>
    <message>
        <source>scatola di mezzo</source>
        <translation>caixa do meio</translation>
    </message>
    <message>
        <source>scatola di destra</source>
        <translation>caixa da direita</translation>
    </message>
    <message>
        <source>Ricomincia</source>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <source>Conferma</source>
        <translation>Conferir</translation>
    </message>
    <message>
        <source>nella scatola di sinistra</source>
        <translation>na caixa da esquerda</translation>
    </message>
    <message>
        <source>nella scatola di mezzo</source>
        <translation>na caixa do meio</translation>
    </message>
    <message>
        <source>nella scatola di destra</source>
        <translation>na caixa da direita</translation>
    </message>
</context>
<context>
    <name>brasti::Services</name>
    <message>
        <source>Squadra Brasti</source>
        <translation>Equipe Brasti</translation>
    </message>
    <message>
        <source>Vuoi uscire dal programma?</source>
        <translation>Quer sair do programa?</translation>
    </message>
    <message>
        <source>Per l&apos;insegnante: Ctrl+Alt+I nel menù, oppure tieni premuto 3 secondi su «solo con i brasti».</source>
        <translation>Para o professor: Ctrl+Alt+I no menu, ou mantenha “só com barras” pressionado por 3 segundos.</translation>
    </message>
</context>
<context>
    <name>brasti::Settings</name>
    <message>
        <source>L&apos;indirizzo porta più di %1 caratteri di impostazioni: non ne vale nessuna.</source>
        <translation>O endereço traz mais de %1 caracteres de configurações: nenhuma delas vale.</translation>
    </message>
    <message>
        <source>In «%1» c&apos;è qualcosa che non è un numero né un intervallo come 1-5, ed è lasciato da parte: %2.</source>
        <extracomment>%1 is the setting&apos;s name, %2 what was left out of it (&quot;due, 5-3&quot;).</extracomment>
        <translation>Em “%1” há algo que não é um número nem um intervalo como 1-5, e foi ignorado: %2.</translation>
    </message>
    <message>
        <source>In «%1» gli esercizi vanno da 1 a %2: quello che sta fuori è lasciato da parte (%3).</source>
        <extracomment>%1 is the setting&apos;s name, %2 the last exercise, %3 what went outside (&quot;0, 28-30&quot;).</extracomment>
        <translation>Em “%1” os exercícios vão de 1 a %2: o que fica fora foi ignorado (%3).</translation>
    </message>
    <message>
        <source>Così com&apos;è scritto, «%1» non lascia nessun esercizio: il menu li offre tutti.</source>
        <translation>Do jeito que está escrito, “%1” não deixa nenhum exercício: o menu oferece todos.</translation>
    </message>
    <message>
        <source>L&apos;impostazione «%1» non esiste: è lasciata da parte.</source>
        <translation>A configuração “%1” não existe: foi ignorada.</translation>
    </message>
    <message>
        <source>Ci sono anche altre impostazioni che non esistono: sono lasciate da parte.</source>
        <translation>Há também outras configurações que não existem: foram ignoradas.</translation>
    </message>
    <message>
        <source>L&apos;impostazione «%1» è scritta più di una volta: non vale nessuno dei suoi valori.</source>
        <translation>A configuração “%1” está escrita mais de uma vez: nenhum dos seus valores vale.</translation>
    </message>
    <message>
        <source>L&apos;impostazione «%1» non ha un valore: resta quella predefinita.</source>
        <translation>A configuração “%1” não tem valor: fica o valor padrão.</translation>
    </message>
    <message>
        <source>Il valore di «%1» è troppo lungo: è lasciato da parte.</source>
        <translation>O valor de “%1” é longo demais: foi ignorado.</translation>
    </message>
    <message>
        <source>Per «%1» scrivere «%2» o «%3», non «%4»: il valore è lasciato da parte.</source>
        <translation>Em “%1”, escreva “%2” ou “%3”, não “%4”: o valor foi ignorado.</translation>
    </message>
    <message>
        <source>Per «%1» scrivere una delle lingue %2, non «%3»: resta la lingua del sistema.</source>
        <extracomment>%2 lists the languages&apos; codes, &quot;it, en, es, fr, pt&quot;.</extracomment>
        <translation>Em “%1”, escreva um dos idiomas %2, não “%3”: fica o idioma do sistema.</translation>
    </message>
    <message>
        <source>Per «%1» scrivere true o false (oppure 1 o 0), non «%2»: il valore è lasciato da parte.</source>
        <extracomment>Every message here is for the teacher. The names and values in «» are the settings file&apos;s own and stay as they are.</extracomment>
        <translation>Em “%1”, escreva true ou false (ou 1 ou 0), não “%2”: o valor foi ignorado.</translation>
    </message>
    <message>
        <source>Nessun esercizio è scelto: il menu ne deve offrire almeno uno.</source>
        <translation>Nenhum exercício foi escolhido: o menu deve oferecer pelo menos um.</translation>
    </message>
    <message>
        <source>«%1» non è il codice di una lingua.</source>
        <translation>“%1” não é o código de um idioma.</translation>
    </message>
    <message>
        <source>Il file %1 non si può leggere: valgono le impostazioni predefinite.</source>
        <translation>Não é possível ler o arquivo %1: valem as configurações padrão.</translation>
    </message>
    <message>
        <source>Il file %1 è più grande di %2 KiB, troppo per un file di impostazioni: valgono quelle predefinite.</source>
        <translation>O arquivo %1 tem mais de %2 KiB, demais para um arquivo de configurações: valem as configurações padrão.</translation>
    </message>
    <message>
        <source>Il file %1 non è testo semplice come lo scrive un editor: valgono le impostazioni predefinite.</source>
        <translation>O arquivo %1 não é texto simples como o que um editor de texto grava: valem as configurações padrão.</translation>
    </message>
    <message>
        <source>%1 Le impostazioni non sono salvate.</source>
        <extracomment>Said when the settings could not be saved; %1 says why.</extracomment>
        <translation>%1 As configurações não foram salvas.</translation>
    </message>
    <message>
        <source>Qui non c&apos;è un file dove salvare le impostazioni.</source>
        <translation>Aqui não há um arquivo onde salvar as configurações.</translation>
    </message>
    <message>
        <source>La cartella %1 non si può creare: le impostazioni non sono salvate.</source>
        <translation>Não é possível criar a pasta %1: as configurações não foram salvas.</translation>
    </message>
    <message>
        <source>Il file %1 c&apos;è ma non si può leggere: le impostazioni non sono salvate, per non perdere quello che contiene.</source>
        <translation>O arquivo %1 existe, mas não pode ser lido: as configurações não foram salvas, para não perder o que ele contém.</translation>
    </message>
    <message>
        <source>Il file %1 non si può scrivere (%2): le impostazioni non sono salvate.</source>
        <extracomment>%2 is the system&apos;s reason, as Qt gives it.</extracomment>
        <translation>Não é possível gravar o arquivo %1 (%2): as configurações não foram salvas.</translation>
    </message>
</context>
<context>
    <name>brasti::SignScreen</name>
    <message>
        <source>maggiore</source>
        <translation>maior</translation>
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
        <translation>caixa da esquerda</translation>
    </message>
    <message>
        <source>scatola di destra</source>
        <translation>caixa da direita</translation>
    </message>
    <message>
        <source>nella scatola di sinistra</source>
        <translation>na caixa da esquerda</translation>
    </message>
    <message>
        <source>nella scatola di destra</source>
        <translation>na caixa da direita</translation>
    </message>
</context>
<context>
    <name>brasti::SingleRodScreen</name>
    <message>
        <source>barra del 10</source>
        <translation>faixa do 10</translation>
    </message>
    <message>
        <source>striscia in alto</source>
        <translation>tira de cima</translation>
    </message>
    <message>
        <source>striscia in basso</source>
        <translation>tira de baixo</translation>
    </message>
    <message>
        <source>nella barra del 10</source>
        <translation>na faixa do 10</translation>
    </message>
    <message>
        <source>nella striscia in alto</source>
        <translation>na tira de cima</translation>
    </message>
    <message>
        <source>nella striscia in basso</source>
        <translation>na tira de baixo</translation>
    </message>
</context>
<context>
    <name>brasti::Spoken</name>
    <message>
        <source>bianco</source>
        <translation>branca</translation>
    </message>
    <message>
        <source>rosso</source>
        <translation>vermelha</translation>
    </message>
    <message>
        <source>verde</source>
        <translation>verde-clara</translation>
    </message>
    <message>
        <source>fucsia</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>giallo</source>
        <translation>amarela</translation>
    </message>
    <message>
        <source>verde scuro</source>
        <translation>verde-escura</translation>
    </message>
    <message>
        <source>nero</source>
        <translation>preta</translation>
    </message>
    <message>
        <source>marrone</source>
        <translation>marrom</translation>
    </message>
    <message>
        <source>blu</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>arancione</source>
        <translation>laranja</translation>
    </message>
    <message>
        <source>%1 e %2</source>
        <extracomment>The last two items of a list: &quot;brasto 2 e brasto 5&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>brasto %1</source>
        <translation>barra %1</translation>
    </message>
    <message>
        <source>dal minore al maggiore</source>
        <translation>da menor para a maior</translation>
    </message>
    <message>
        <source>dal maggiore al minore</source>
        <translation>da maior para a menor</translation>
    </message>
    <message>
        <source>Ordina %1 tutti i brasti nelle %2 caselle.</source>
        <translation>Ordene todas as barras %1 nos %2 espaços.</translation>
    </message>
    <message>
        <source>Ordina %1 %2 nelle %3 caselle.</source>
        <translation>Ordene nos %3 espaços, %1: %2.</translation>
    </message>
    <message>
        <source>Trova il brasto in mezzo tra %1 e %2.</source>
        <translation>Encontre a barra que fica entre a %1 e a %2.</translation>
    </message>
    <message>
        <source>Trova i brasti vicini di %1: il più corto a sinistra, il più lungo a destra.</source>
        <translation>Encontre as barras vizinhas da %1: a mais curta à esquerda, a mais comprida à direita.</translation>
    </message>
    <message>
        <source>A sinistra %1, a destra %2: scegli il segno.</source>
        <translation>À esquerda, a %1; à direita, a %2: escolha o sinal.</translation>
    </message>
    <message>
        <source>brasto %1</source>
        <comment>a rod named by its colour: brasto verde</comment>
        <translation>barra %1</translation>
    </message>
    <message>
        <source>tac</source>
        <extracomment>One unit of a rod, said as the child counts it.</extracomment>
        <translation>toc</translation>
    </message>
    <message>
        <source>Quanto vale il %1? Conta le sue unità: %2.</source>
        <translation>Quanto vale a %1? Conte as suas unidades: %2.</translation>
    </message>
    <message>
        <source>Scegli il brasto del numero %1.</source>
        <translation>Escolha a barra do número %1.</translation>
    </message>
    <message>
        <source>Componi %1 nella casella del numero: prima il brasto 10, poi il brasto che manca.</source>
        <translation>Forme o %1 no espaço do número: primeiro a barra 10, depois a barra que falta.</translation>
    </message>
    <message>
        <source>Componi il 10: metti accanto al %1 il brasto che manca.</source>
        <translation>Forme o 10: coloque ao lado da %1 a barra que falta.</translation>
    </message>
    <message>
        <source>Trova la somma: il brasto lungo come %1 e %2 insieme.</source>
        <translation>Encontre a soma: a barra do tamanho da %1 e da %2 juntas.</translation>
    </message>
    <message>
        <source>Trova la differenza: il brasto che, con %1, è lungo come %2.</source>
        <translation>Encontre a diferença: a barra que, com a %1, fica do tamanho da %2.</translation>
    </message>
    <message>
        <source>Componi il %1 mettendo dei brasti in fila.</source>
        <translation>Forme a %1 colocando barras uma ao lado da outra.</translation>
    </message>
    <message>
        <source>Componi %1: la barra del 10 e %2.</source>
        <translation>Forme o %1: a faixa do 10 e a %2.</translation>
    </message>
    <message>
        <source>%1: riempi la barra della somma, poi scrivi il risultato.</source>
        <translation>%1: preencha a faixa da soma, depois escreva o resultado.</translation>
    </message>
    <message>
        <source>Sotto la barra della somma: %1; riempila, poi scrivi l&apos;addizione.</source>
        <translation>Embaixo da faixa da soma: %1; preencha a faixa, depois escreva a adição.</translation>
    </message>
    <message>
        <source>%1: completa la barra della differenza, poi scrivi il risultato.</source>
        <translation>%1: complete a faixa da diferença, depois escreva o resultado.</translation>
    </message>
    <message>
        <source>la barra %1</source>
        <extracomment>The given bar of a subtraction within 10: &quot;la barra lunga come brasto 7&quot;.</extracomment>
        <translation>a faixa %1</translation>
    </message>
    <message>
        <source>Sopra: %1; sotto: %2; completa la barra della differenza, poi scrivi la sottrazione.</source>
        <translation>Em cima: %1; embaixo: %2; complete a faixa da diferença, depois escreva a subtração.</translation>
    </message>
    <message>
        <source>lunga come %1</source>
        <translation>do tamanho da %1</translation>
    </message>
    <message>
        <source> Già %1: %2.</source>
        <extracomment>Added to a problem&apos;s sentence, with its leading blank: &quot; Già nella riga da riempire: brasto 4.&quot;</extracomment>
        <translation> O que já está %1: %2.</translation>
    </message>
    <message>
        <source>Il %1 è maggiore del brasto da mettere nella scatola a destra.</source>
        <translation>A %1 é maior que a barra que vai na caixa à direita.</translation>
    </message>
    <message>
        <source>Il %1 è minore del brasto da mettere nella scatola a destra.</source>
        <translation>A %1 é menor que a barra que vai na caixa à direita.</translation>
    </message>
    <message>
        <source>Il %1 è uguale al brasto da mettere nella scatola a destra.</source>
        <translation>A %1 é igual à barra que vai na caixa à direita.</translation>
    </message>
    <message>
        <source>Il brasto da mettere nella scatola a sinistra è maggiore del %1.</source>
        <translation>A barra que vai na caixa à esquerda é maior que a %1.</translation>
    </message>
    <message>
        <source>Il brasto da mettere nella scatola a sinistra è minore del %1.</source>
        <translation>A barra que vai na caixa à esquerda é menor que a %1.</translation>
    </message>
    <message>
        <source>Il brasto da mettere nella scatola a sinistra è uguale al %1.</source>
        <translation>A barra que vai na caixa à esquerda é igual à %1.</translation>
    </message>
    <message>
        <source>%1 meno %2 uguale</source>
        <extracomment>A printed operation &quot;7 - 3 =&quot; as it is heard, before its result.</extracomment>
        <translation>%1 menos %2 é igual a</translation>
    </message>
    <message>
        <source>%1 più %2 uguale</source>
        <extracomment>A printed operation &quot;3 + 4 =&quot; as it is heard, before its result.</extracomment>
        <translation>%1 mais %2 é igual a</translation>
    </message>
    <message>
        <source>%1 meno %2 uguale %3</source>
        <extracomment>A written subtraction &quot;7 - 3 = 4&quot; as it is heard.</extracomment>
        <translation>%1 menos %2 é igual a %3</translation>
    </message>
    <message>
        <source>%1 uguale %2 più %3</source>
        <extracomment>A number written as a sum, &quot;14 = 10 + 4&quot;, as it is heard.</extracomment>
        <translation>%1 é igual a %2 mais %3</translation>
    </message>
    <message>
        <source>%1 più %2</source>
        <extracomment>The first numbers of a sum of three or more, &quot;2 + 3&quot; in &quot;2 + 3 + 2 = 7&quot;, as heard.</extracomment>
        <translation>%1 mais %2</translation>
    </message>
    <message>
        <source>%1 più %2 uguale %3</source>
        <extracomment>A written addition &quot;3 + 4 = 7&quot; as it is heard; %1 may be a longer sum, &quot;2 più 3&quot;.</extracomment>
        <translation>%1 mais %2 é igual a %3</translation>
    </message>
</context>
<context>
    <name>brasti::StartScreen</name>
    <message>
        <source>Esercitazioni matematiche</source>
        <translation>Exercícios de matemática</translation>
    </message>
    <message>
        <source>Uso dei brasti</source>
        <translation>Uso das barras</translation>
    </message>
    <message>
        <source>Avvio</source>
        <translation>Começar</translation>
    </message>
</context>
<context>
    <name>brasti::TeacherWindow</name>
    <message>
        <source>Brasti - per l&apos;insegnante</source>
        <translation>Brasti - para o professor</translation>
    </message>
    <message>
        <source>Esercizi offerti nel menù</source>
        <translation>Exercícios oferecidos no menu</translation>
    </message>
    <message>
        <source>tutta la colonna %1</source>
        <translation>toda a coluna %1</translation>
    </message>
    <message>
        <source>tutti</source>
        <translation>todos</translation>
    </message>
    <message>
        <source>tutti gli esercizi</source>
        <translation>todos os exercícios</translation>
    </message>
    <message>
        <source>nessuno</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>nessun esercizio</source>
        <translation>nenhum exercício</translation>
    </message>
    <message>
        <source>attende la pressione del bottone per proseguire</source>
        <translation>aguarda o botão ser apertado para continuar</translation>
    </message>
    <message>
        <source>prosegue automaticamente  negli esercizi</source>
        <translation>passa sozinho para o próximo problema</translation>
    </message>
    <message>
        <source>numeri sui brasti</source>
        <translation>números nas barras</translation>
    </message>
    <message>
        <source>offri «Esci» nel menù</source>
        <translation>oferecer “Sair” no menu</translation>
    </message>
    <message>
        <source>mostra la risposta dopo un errore</source>
        <translation>mostrar a resposta depois de um erro</translation>
    </message>
    <message>
        <source>lingua</source>
        <translation>idioma</translation>
    </message>
    <message>
        <source>lingua del sistema</source>
        <translation>idioma do sistema</translation>
    </message>
    <message>
        <source>lettura delle impostazioni</source>
        <translation>leitura das configurações</translation>
    </message>
    <message>
        <source>Nessun file di impostazioni letto.</source>
        <translation>Nenhum arquivo de configurações foi lido.</translation>
    </message>
    <message>
        <source>Impostazioni lette da %1</source>
        <translation>Configurações lidas de %1</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>collegamento con queste impostazioni</source>
        <translation>endereço com estas configurações</translation>
    </message>
    <message>
        <source>Copia il collegamento</source>
        <translation>Copiar o endereço</translation>
    </message>
    <message>
        <source>esito</source>
        <translation>resultado</translation>
    </message>
    <message>
        <source>riepilogo degli esercizi svolti</source>
        <translation>resumo dos exercícios feitos</translation>
    </message>
    <message>
        <source>esercizio</source>
        <translation>exercício</translation>
    </message>
    <message>
        <source>risolti</source>
        <translation>resolvidos</translation>
    </message>
    <message>
        <source>errori</source>
        <translation>erros</translation>
    </message>
    <message>
        <source>tempo</source>
        <translation>tempo</translation>
    </message>
    <message>
        <source>Svuota</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Svuota il riepilogo</source>
        <translation>Limpar o resumo</translation>
    </message>
    <message>
        <source>Non salvato: %1</source>
        <translation>Não salvo: %1</translation>
    </message>
    <message>
        <source>Salvato in %1</source>
        <translation>Salvo em %1</translation>
    </message>
    <message>
        <source>risposte mostrate</source>
        <translation>respostas mostradas</translation>
    </message>
    <message>
        <source>ordinare i brasti</source>
        <translation>ordenar as barras</translation>
    </message>
    <message>
        <source>confrontare i brasti</source>
        <translation>comparar as barras</translation>
    </message>
    <message>
        <source>brasti e numeri</source>
        <translation>barras e números</translation>
    </message>
    <message>
        <source>comporre con i brasti</source>
        <translation>compor com as barras</translation>
    </message>
    <message>
        <source>addizioni e sottrazioni</source>
        <translation>adições e subtrações</translation>
    </message>
    <message>
        <source>leggi ad alta voce</source>
        <translation>ler em voz alta</translation>
    </message>
    <message>
        <source>Su questo computer non c&apos;è una voce italiana</source>
        <translation>Este computador não tem voz em português</translation>
    </message>
</context>
<context>
    <name>brasti::WrittenScreen</name>
    <message>
        <source>piano di lavoro</source>
        <translation>área de trabalho</translation>
    </message>
    <message>
        <source>barra della somma</source>
        <translation>faixa da soma</translation>
    </message>
    <message>
        <source>barra del minuendo</source>
        <translation>faixa do minuendo</translation>
    </message>
    <message>
        <source>barra degli addendi</source>
        <translation>faixa das parcelas</translation>
    </message>
    <message>
        <source>barra della differenza</source>
        <translation>faixa da diferença</translation>
    </message>
    <message>
        <source>risposta</source>
        <translation>resposta</translation>
    </message>
    <message>
        <source>puoi usare il brasto da 10</source>
        <translation>Você pode usar a barra 10.</translation>
    </message>
    <message>
        <source>nella barra della somma</source>
        <translation>na faixa da soma</translation>
    </message>
    <message>
        <source>nella barra del minuendo</source>
        <translation>na faixa do minuendo</translation>
    </message>
    <message>
        <source>nella barra degli addendi</source>
        <translation>na faixa das parcelas</translation>
    </message>
    <message>
        <source>nella barra della differenza</source>
        <translation>na faixa da diferença</translation>
    </message>
</context>
</TS>
