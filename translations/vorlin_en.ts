<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>Assets</name>
    <message>
        <source>Immagine non valida: %1</source>
        <translation>Invalid picture: %1</translation>
    </message>
    <message>
        <source>File non trovato: %1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>Memoria insufficiente per caricare l&apos;immagine: %1</source>
        <translation>Not enough memory to load the picture: %1</translation>
    </message>
    <message>
        <source>File non leggibile (permesso negato): %1</source>
        <translation>File cannot be read (permission denied): %1</translation>
    </message>
    <message>
        <source>Troppi file aperti: il sistema non concede al gioco un altro descrittore di file per leggere %1</source>
        <translation>Too many open files: the system does not give the game another file descriptor to read %1</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1 (errore di sistema %2)</source>
        <translation>Cannot read the file %1 (system error %2)</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1</source>
        <translation>Cannot read the file %1</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>&lt; velocità gioco &gt;</source>
        <translation>&lt; game speed &gt;</translation>
    </message>
    <message>
        <source>gioco più lento</source>
        <translation>slower game</translation>
    </message>
    <message>
        <source>gioco più veloce</source>
        <translation>faster game</translation>
    </message>
    <message>
        <source>Clock gioco in millisecondi:</source>
        <translation>Game clock in milliseconds:</translation>
    </message>
    <message>
        <source>Menù-&gt;</source>
        <translation>Menu-&gt;</translation>
    </message>
    <message>
        <source>Vorlin è un gioco nato dalla passione di una piccola squadra di appassionati di giochi arcade. La creatura gialla dalla lunga coda arricciata attraversa sei scenari, sale sulle eliche e raccoglie gli oggetti che cadono dall&apos;alto senza esaurire la propria energia. Disegnato e programmato nel tempo libero, offre partite brevi e divertenti a giocatori di ogni età.</source>
        <translation>Vorlin was born of the passion of a small team of arcade game lovers. The yellow creature with the long curly tail crosses six scenes, rides the propellers and catches the objects falling from above without running out of energy. Designed and programmed in spare time, it offers short, fun games to players of all ages.</translation>
    </message>
    <message>
        <source>Scopo del gioco:</source>
        <translation>Aim of the game:</translation>
    </message>
    <message>
        <source>accumulare più punti possibili.  I punti sono legati al numero di cariche effettuate e al numero di oggetti presi.   Nel gioco bisogna fare attenzione a non  consumare  tutta  l&apos;energia  disponibile.   Questa viene decrementata di  1  ogni  volta  che  si  perde  un  oggetto piccolo.   Per incrementare l&apos;energia bisogna catturare gli oggetti piccoli (energia incrementata di un punto) o gli oggetti grandi (energia incrementata di  più  punti  a  seconda  del  grado  di  difficoltà  ed all&apos;avanzamento del gioco). Si passa allo schema successivo ogni  5  oggetti  grandi  catturati.  Gli oggetti grandi compaiono ogni 10 oggetti piccoli persi.  Gestione:</source>
        <translation>score as many points as you can.  Points come from the number of charges made and the number of objects caught.   Take care not to  use up  all  the energy  you have.   It goes down by  1  every  time  a  small  object is lost.   To raise your energy, catch the small objects (one point of energy each) or the big objects (several  points  of  energy,  depending  on  the  difficulty  and on how far the game has gone). You move on to the next level every  5  big  objects  caught.  A big object appears for every 10 small objects lost.  Controls:</translation>
    </message>
    <message>
        <source>le  varie  funzioni  del  gioco sono  accessibili  dal  tasto Menù. Cliccandolo comparirà  una  pulsantiera  che  consentirà  di  accedere  alle  finestre dei RECORD  (Max 1000), dell&apos;HELP, alla scheda AUTORE, alla visione A TUTTO SCHERMO, ad una  NUOVA PARTITA  o a riprendere quella appena abbandonata. La ripresa  della partita  appena abbandonata  potrà essere  effettuata anche  digitando  nuovamente sul tasto  menù  che provvederà  anche  a nascondere  la pulsantiera.  A gioco  avviato  questo  lo  si  potrà mettere in pausa premendo  direttamente il stato P  o chiuderlo definitivamente premendo 2 volte il tasto Esc.</source>
        <translation>all  the  functions  of  the game are  reached  from  the  Menu button. Clicking it brings up  a  button  bar  that  opens  the  RECORDS  (max 1000), the HELP, the AUTHOR page, the FULL SCREEN view, a  NEW GAME  or takes you back to the game you have just left. You can also go back to  the game  you have just left  by  clicking  the  Menu button  again,  which  also  hides  the button bar.  Once  a game  is  under way,  you  can pause it by pressing P  or end it for good by pressing Esc twice.</translation>
    </message>
    <message>
        <source>Schemi superati</source>
        <translation>Levels completed</translation>
    </message>
    <message>
        <source>BASSA</source>
        <translation>EASY</translation>
    </message>
    <message>
        <source>Numero cariche</source>
        <translation>Charges made</translation>
    </message>
    <message>
        <source>Totale   oggetti  presi</source>
        <translation>Total objects caught</translation>
    </message>
    <message>
        <source>Totale   oggetti  persi</source>
        <translation>Total objects lost</translation>
    </message>
    <message>
        <source>Difficoltà gioco</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <source>Punti   totalizzati</source>
        <translation>Points scored</translation>
    </message>
    <message>
        <source>Dif. Posiz. Record    Data record   Nome giocatore</source>
        <translation>Diff. Pos.  Score       Date              Player name</translation>
    </message>
    <message>
        <source>Cambia risoluzione</source>
        <translation>Change resolution</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>&amp;Autore</source>
        <translation>&amp;Author</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Records</translation>
    </message>
    <message>
        <source>A tutto &amp;schermo</source>
        <translation>Full &amp;screen</translation>
    </message>
    <message>
        <source>&amp;Gioca di nuovo</source>
        <translation>Play a&amp;gain</translation>
    </message>
    <message>
        <source>R&amp;iprendi gioco</source>
        <translation>Cont&amp;inue game</translation>
    </message>
    <message>
        <source>&amp;Velocità gioco--&gt;</source>
        <translation>Game spee&amp;d--&gt;</translation>
    </message>
    <message>
        <source>Dif.</source>
        <translation>Diff.</translation>
    </message>
    <message>
        <source>Oggetti presi</source>
        <translation>Objects caught</translation>
    </message>
    <message>
        <source>Oggetti persi</source>
        <translation>Objects lost</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Inserire il nome del giocatore</source>
        <translation>Enter the player&apos;s name</translation>
    </message>
    <message>
        <source>Bassissima</source>
        <translation>Very easy</translation>
    </message>
    <message>
        <source>Bassa</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Alta</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>Inserire il nome del giocatore per avviare il gioco</source>
        <translation>Enter the player&apos;s name to start the game</translation>
    </message>
    <message>
        <source>Difficoltà gioco:</source>
        <translation>Difficulty:</translation>
    </message>
    <message>
        <source>Energia 70</source>
        <translation>Energy 70</translation>
    </message>
    <message>
        <source>N.Cariche</source>
        <translation>Charges</translation>
    </message>
    <message>
        <source>Schema passato</source>
        <translation>Level complete</translation>
    </message>
    <message>
        <source>Energia 30</source>
        <translation>Energy 30</translation>
    </message>
    <message>
        <source>Energia di partenza    30                               Ogni carica    30 punti di energia a scalare</source>
        <translation>Starting energy    30                               Each charge    30 energy points, decreasing</translation>
    </message>
    <message>
        <source>ALTA</source>
        <translation>HARD</translation>
    </message>
    <message>
        <source>Energia 40</source>
        <translation>Energy 40</translation>
    </message>
    <message>
        <source>Energia di partenza    40                               Ogni carica    40 punti di energia a scalare</source>
        <translation>Starting energy    40                               Each charge    40 energy points, decreasing</translation>
    </message>
    <message>
        <source>MEDIA</source>
        <translation>MEDIUM</translation>
    </message>
    <message>
        <source>Energia di partenza    70                               Ogni carica    50 punti di energia a scalare</source>
        <translation>Starting energy    70                               Each charge    50 energy points, decreasing</translation>
    </message>
    <message>
        <source>Energia di partenza    70                               Ogni carica    70 punti di energia a scalare</source>
        <translation>Starting energy    70                               Each charge    70 energy points, decreasing</translation>
    </message>
    <message>
        <source>BASSISSIMA</source>
        <translation>VERY EASY</translation>
    </message>
    <message>
        <source>In &amp;finestra</source>
        <translation>Leave &amp;full screen</translation>
    </message>
    <message>
        <source>velocità gioco</source>
        <translation>game speed</translation>
    </message>
    <message>
        <source>posizione nella tabella dei record</source>
        <translation>position in the record table</translation>
    </message>
    <message>
        <source>profondità di colore dello schermo all&apos;avvio</source>
        <translation>screen colour depth at start-up</translation>
    </message>
    <message>
        <source>altezza dello schermo all&apos;avvio</source>
        <translation>screen height at start-up</translation>
    </message>
    <message>
        <source>larghezza dello schermo all&apos;avvio</source>
        <translation>screen width at start-up</translation>
    </message>
</context>
<context>
    <name>RecordMessages</name>
    <message>
        <source>Impossibile salvare il record: </source>
        <translation>Cannot save the record: </translation>
    </message>
    <message>
        <source>Il file dei record </source>
        <translation>The record file </translation>
    </message>
    <message>
        <source>il file dei record </source>
        <translation>the record file </translation>
    </message>
    <message>
        <source>non si può leggere</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>is not a regular file</translation>
    </message>
    <message>
        <source>è danneggiato: ha una riga più lunga di qualsiasi record</source>
        <translation>is damaged: it has a line longer than any record can be</translation>
    </message>
    <message>
        <source>è un giro di collegamenti</source>
        <translation>is a loop of links</translation>
    </message>
    <message>
        <source>non si può creare il file temporaneo</source>
        <translation>the temporary file cannot be created</translation>
    </message>
    <message>
        <source>non si può scrivere il file temporaneo (disco pieno?)</source>
        <translation>the temporary file cannot be written (is the disk full?)</translation>
    </message>
    <message>
        <source>non si può sostituire il file dei record</source>
        <translation>the record file cannot be replaced</translation>
    </message>
    <message>
        <source>la cartella dei record non è stata ancora scelta.</source>
        <translation>the record folder has not been chosen yet.</translation>
    </message>
    <message>
        <source>la cartella dei record è occupata da un&apos;altra partita o non si può aprire</source>
        <translation>the record folder is held by another game or cannot be opened</translation>
    </message>
    <message>
        <source>la cartella del programma non è scrivibile e l&apos;utente non ha una cartella personale, quindi in questa sessione i record non vengono salvati.</source>
        <translation>the program folder is not writable and the user has no home folder, so no records are saved in this session.</translation>
    </message>
    <message>
        <source>l&apos;utente non ha una cartella personale, quindi in questa sessione i record non vengono salvati.</source>
        <translation>the user has no home folder, so no records are saved in this session.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vorlin non può partire. </source>
        <translation>Vorlin cannot start. </translation>
    </message>
    <message>
        <source>Uso: vorlin [--help | --version]
Vorlin, gioco arcade: una creatura gialla dalla lunga coda cattura i cristalli che cadono.

Opzioni:
  --help
      Mostra le opzioni, i tasti e i pulsanti dei controller ed esce.
  --version
      Mostra la versione ed esce.
Ogni altro argomento viene ignorato.

Tasti:
  Freccia sinistra, freccia destra
      Camminano a sinistra e a destra, anche sugli ascensori.
  P
      Mette in pausa la partita e la riprende.
  Esc
      Ferma la partita e mostra la barra dei pulsanti; a partita ferma esce.

Controller di gioco (ogni controller che SDL 2 conosce):
  Croce direzionale o levetta sinistra, a sinistra e a destra
      Come le frecce sinistra e destra; tenute premute, ripetono il passo.
  Start
      Come P.
  Back (Select, View, Share), B (il pulsante a est)
      Come Esc.
  A (il pulsante a sud)
      Nel pannello iniziale avvia la partita, come il pulsante &quot;Start&quot;;
      altrove preme il pulsante che ha il fuoco, come la barra spaziatrice.

I record stanno in Recordc1.kpr, in $XDG_DATA_HOME/vorlin/ per il gioco installato;
una copia personale del gioco li tiene nella sua cartella se vi può scrivere (vedere il
manuale: man 6 vorlin).
</source>
        <translation>Usage: vorlin [--help | --version]
Vorlin, an arcade game: a yellow creature with a long tail catches the falling crystals.

Options:
  --help
      Show the options, the keys and the controller buttons, then exit.
  --version
      Show the version, then exit.
Any other argument is ignored.

Keys:
  Left arrow, right arrow
      Walk left and right, on the lifts too.
  P
      Pause the game, and resume it.
  Esc
      Stop the game and show the button bar; once the game is stopped, quit.

Game controllers (any controller SDL 2 knows):
  D-pad or left stick, left and right
      As the left and right arrows; held, they repeat the step.
  Start
      As P.
  Back (Select, View, Share), B (the east button)
      As Esc.
  A (the south button)
      On the start panel, starts the game, as the &quot;Start&quot; button does;
      elsewhere, presses the button that has the focus, as the space bar does.

The records are kept in Recordc1.kpr, in $XDG_DATA_HOME/vorlin/ for the installed game;
a copy of the game of one&apos;s own keeps them in its folder if it can write there (see the
manual: man 6 vorlin).
</translation>
    </message>
    <message>
        <source>Memoria insufficiente: il sistema non concede al gioco la memoria che gli serve.</source>
        <translation>Not enough memory: the system does not give the game the memory it needs.</translation>
    </message>
    <message>
        <source>Il sistema concede al gioco troppo pochi file aperti: ne restano %1 liberi, ne servono almeno %2 (limite dei descrittori di file, ulimit -n).</source>
        <translation>The system allows the game too few open files: %1 are left free, and it needs at least %2 (the file descriptor limit, ulimit -n).</translation>
    </message>
    <message>
        <source>Memoria insufficiente: il sistema concede al gioco %1 MiB di spazio di indirizzi, ne servono almeno %2 (ulimit -v).</source>
        <translation>Not enough memory: the system gives the game %1 MiB of address space, and it needs at least %2 (ulimit -v).</translation>
    </message>
    <message>
        <source>Il sistema non concede al gioco altri file aperti (limite dei descrittori di file, ulimit -n).</source>
        <translation>The system does not allow the game any more open files (the file descriptor limit, ulimit -n).</translation>
    </message>
    <message>
        <source>Il sistema ha rifiutato %1 (errore di sistema %2).</source>
        <translation>The system refused %1 (system error %2).</translation>
    </message>
    <message>
        <source>vorlin: nessuno schermo disponibile (né DISPLAY né WAYLAND_DISPLAY impostati); avviare il gioco da una sessione del desktop (X11 o Wayland)
</source>
        <translation>vorlin: no screen available (neither DISPLAY nor WAYLAND_DISPLAY is set); start the game from a desktop session (X11 or Wayland)
</translation>
    </message>
    <message>
        <source>la gestione dei segnali</source>
        <translation>the handling of signals</translation>
    </message>
</context>
<context>
    <name>vorlin::Form1</name>
    <message>
        <source>Vorlin     Ver. 4.01  per Windows 95, 98, ME, 2000, XP, Vista</source>
        <translation>Vorlin     Ver. 4.01  for Windows 95, 98, ME, 2000, XP, Vista</translation>
    </message>
    <message>
        <source>Immagine non valida: %1 e %2 hanno misure diverse</source>
        <translation>Invalid picture: %1 and %2 are not the same size</translation>
    </message>
    <message>
        <source>Energia </source>
        <translation>Energy </translation>
    </message>
    <message>
        <source>La stanza dei giochi</source>
        <translation>The playroom</translation>
    </message>
    <message>
        <source>La foresta</source>
        <translation>The forest</translation>
    </message>
    <message>
        <source>La circolazione - i sentimenti</source>
        <translation>Circulation - feelings</translation>
    </message>
    <message>
        <source>Il dolce zucchero</source>
        <translation>Sweet sugar</translation>
    </message>
    <message>
        <source>La città - Catanzaro</source>
        <translation>The city - Catanzaro</translation>
    </message>
    <message>
        <source>L&apos;effimero</source>
        <translation>The ephemeral</translation>
    </message>
    <message>
        <source>Ciao %1, hai esaurito tutta l&apos;energia disponibile</source>
        <translation>Bye %1, you have used up all your energy</translation>
    </message>
    <message>
        <source>Ciao %1, schema %2 superato</source>
        <translation>Hi %1, level %2 complete</translation>
    </message>
    <message>
        <source>Oggetti presi </source>
        <translation>Objects caught </translation>
    </message>
    <message>
        <source>Oggetti persi </source>
        <translation>Objects lost </translation>
    </message>
</context>
</TS>
