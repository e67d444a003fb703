<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BitmapHeader</name>
    <message>
        <source>the bitmap&apos;s size is impossible</source>
        <translation>die Bildgröße ist ungültig</translation>
    </message>
    <message>
        <source>the bitmap header is damaged</source>
        <translation>der Bitmap-Kopf ist beschädigt</translation>
    </message>
    <message>
        <source>the bitmap&apos;s colour depth of %1 bits is not supported</source>
        <translation>eine Farbtiefe von %1 Bit wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the bitmap&apos;s compression is not supported</source>
        <translation>die Kompression der Bitmap wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the bitmap&apos;s colour table is damaged</source>
        <translation>die Farbtabelle der Bitmap ist beschädigt</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file is not a Windows bitmap</source>
        <translation>die Datei ist keine Windows-Bitmap</translation>
    </message>
    <message>
        <source>the bitmap header is cut off</source>
        <translation>der Bitmap-Kopf ist abgeschnitten</translation>
    </message>
    <message>
        <source>the bitmap header is of an unknown kind</source>
        <translation>der Bitmap-Kopf ist von unbekannter Art</translation>
    </message>
    <message>
        <source>the file is cut off (%1 of %2 bytes)</source>
        <translation>die Datei ist abgeschnitten (%1 von %2 Byte)</translation>
    </message>
    <message>
        <source>the compressed bitmap does not state its data size</source>
        <translation>die komprimierte Bitmap nennt ihre Datengröße nicht</translation>
    </message>
    <message>
        <source>the bitmap&apos;s pixel data is cut off</source>
        <translation>die Bilddaten der Bitmap sind abgeschnitten</translation>
    </message>
    <message>
        <source>the bitmap&apos;s colour masks hold no colour</source>
        <translation>die Farbmasken der Bitmap enthalten keine Farbe</translation>
    </message>
    <message>
        <source>the bitmap&apos;s colour masks are wider than its pixels</source>
        <translation>die Farbmasken der Bitmap sind breiter als ihre Pixel</translation>
    </message>
    <message>
        <source>the bitmap&apos;s colour masks with gaps are not supported</source>
        <translation>Farbmasken mit Lücken werden nicht unterstützt</translation>
    </message>
    <message>
        <source>the bitmap is too large (%1 x %2 pixels)</source>
        <translation>die Bitmap ist zu groß (%1 × %2 Pixel)</translation>
    </message>
    <message>
        <source>the bitmap&apos;s compressed data reaches outside the picture</source>
        <translation>die komprimierten Daten der Bitmap reichen über das Bild hinaus</translation>
    </message>
</context>
<context>
    <name>CardMaker</name>
    <message>
        <source>Give the set a name.</source>
        <translation>Geben Sie dem Satz einen Namen.</translation>
    </message>
    <message>
        <source>The set name cannot be &quot;%1&quot;.</source>
        <translation>Der Name des Satzes darf nicht „%1“ sein.</translation>
    </message>
    <message>
        <source>The set name cannot begin with &quot;.&quot;: the game does not list such sets.</source>
        <translation>Der Name des Satzes darf nicht mit „.“ beginnen: Das Spiel führt solche Sätze nicht auf.</translation>
    </message>
    <message>
        <source>The set name must be one folder name: leave out &quot;/&quot; and &quot;\&quot;.</source>
        <translation>Der Name des Satzes muss ein Ordnername sein: ohne „/“ und „\“.</translation>
    </message>
    <message>
        <source>A card set named &quot;%1&quot; comes with the game: choose another name.</source>
        <translation>Ein Kartensatz namens „%1“ gehört zum Spiel: Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>You already have a card set named &quot;%1&quot;.</source>
        <translation>Sie haben schon einen Kartensatz namens „%1“.</translation>
    </message>
    <message>
        <source>Add 1 more picture.</source>
        <translation>Fügen Sie noch 1 Bild hinzu.</translation>
    </message>
    <message>
        <source>Add %1 more pictures.</source>
        <translation>Fügen Sie noch %1 Bilder hinzu.</translation>
    </message>
    <message>
        <source>Remove 1 picture: a set has exactly 18.</source>
        <translation>Entfernen Sie 1 Bild: Ein Satz hat genau 18.</translation>
    </message>
    <message>
        <source>Remove %1 pictures: a set has exactly 18.</source>
        <translation>Entfernen Sie %1 Bilder: Ein Satz hat genau 18.</translation>
    </message>
    <message>
        <source>%1 is already in the set.</source>
        <translation>%1 ist schon im Satz.</translation>
    </message>
    <message>
        <source>%1 shows the same picture as %2.</source>
        <translation>%1 zeigt dasselbe Bild wie %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Choose another name, or add --replace to replace it.</source>
        <translation>Wählen Sie einen anderen Namen oder geben Sie --replace an, um ihn zu ersetzen.</translation>
    </message>
    <message>
        <source>Makes a Tavro Memory card set from 18 pictures. Without arguments it opens its window.</source>
        <translation>Macht aus 18 Bildern einen Kartensatz für Tavro Memory. Ohne Argumente öffnet es sein Fenster.</translation>
    </message>
    <message>
        <source>The name of the card set, as the game lists it.</source>
        <translation>Der Name des Kartensatzes, wie das Spiel ihn aufführt.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <source>The card back: %1, or a picture file.</source>
        <translation>Die Kartenrückseite: %1 oder eine Bilddatei.</translation>
    </message>
    <message>
        <source>back</source>
        <translation>rückseite</translation>
    </message>
    <message>
        <source>Replace your own card set of the same name.</source>
        <translation>Ihren eigenen Kartensatz gleichen Namens ersetzen.</translation>
    </message>
    <message>
        <source>pictures</source>
        <translation>bilder</translation>
    </message>
    <message>
        <source>PICTURE...</source>
        <translation>BILD...</translation>
    </message>
    <message>
        <source>Give the set a name with --name.</source>
        <translation>Geben Sie dem Satz mit --name einen Namen.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>das ist keine Datei</translation>
    </message>
    <message>
        <source>it is not a picture in a format this program can read</source>
        <translation>das ist kein Bild in einem Format, das dieses Programm lesen kann</translation>
    </message>
    <message>
        <source>Cannot save the set in %1: %2</source>
        <translation>Der Satz kann nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>a set named &quot;%1&quot; appeared meanwhile</source>
        <translation>inzwischen gibt es einen Satz namens „%1“</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The set name can have at most %1 characters.</source>
        <translation>Der Name des Satzes darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>%1 looks like %2: the cards would be hard to tell apart.</source>
        <translation>%1 sieht aus wie %2: Die Karten wären schwer zu unterscheiden.</translation>
    </message>
    <message>
        <source>Start from the saved card set of this name: its pictures, names, squares and back.</source>
        <translation>Vom gespeicherten Kartensatz dieses Namens ausgehen: seinen Bildern, Namen, Ausschnitten und seiner Rückseite.</translation>
    </message>
    <message>
        <source>The square of picture N (or of the back: back=...) on its card: its left, top and side in pixels of the picture.</source>
        <translation>Der Ausschnitt von Bild N (oder der Rückseite: back=...) auf seiner Karte: links, oben und Seitenlänge in Pixeln des Bildes.</translation>
    </message>
    <message>
        <source>N=LEFT,TOP,SIDE</source>
        <translation>N=LINKS,OBEN,SEITE</translation>
    </message>
    <message>
        <source>With --edit: put this picture in place of picture N.</source>
        <translation>Mit --edit: dieses Bild an die Stelle von Bild N setzen.</translation>
    </message>
    <message>
        <source>N=FILE</source>
        <translation>N=DATEI</translation>
    </message>
    <message>
        <source>The name of picture N (by default its file&apos;s name).</source>
        <translation>Der Name von Bild N (sonst der Name seiner Datei).</translation>
    </message>
    <message>
        <source>N=NAME</source>
        <translation>N=NAME</translation>
    </message>
    <message>
        <source>Take pictures that look like one another.</source>
        <translation>Bilder annehmen, die einander ähnlich sehen.</translation>
    </message>
    <message>
        <source>List your own card sets.</source>
        <translation>Ihre eigenen Kartensätze auflisten.</translation>
    </message>
    <message>
        <source>Move your own card set of this name to the trash.</source>
        <translation>Ihren eigenen Kartensatz dieses Namens in den Papierkorb verschieben.</translation>
    </message>
    <message>
        <source>--crop %1: give a picture&apos;s number and the square&apos;s left, top and side, as in --crop 3=120,0,480.</source>
        <translation>--crop %1: Geben Sie die Nummer eines Bildes und links, oben und Seitenlänge des Ausschnitts an, etwa --crop 3=120,0,480.</translation>
    </message>
    <message>
        <source>--picture %1: give a picture&apos;s number and a file, as in --picture 3=beach.jpg.</source>
        <translation>--picture %1: Geben Sie die Nummer eines Bildes und eine Datei an, etwa --picture 3=strand.jpg.</translation>
    </message>
    <message>
        <source>--picture-name %1: give a picture&apos;s number and a name, as in --picture-name 3=Beach.</source>
        <translation>--picture-name %1: Geben Sie die Nummer eines Bildes und einen Namen an, etwa --picture-name 3=Strand.</translation>
    </message>
    <message>
        <source>%1: the square %2,%3,%4 does not fit in the picture of %5 x %6 pixels.</source>
        <translation>%1: Der Ausschnitt %2,%3,%4 passt nicht in das Bild von %5 × %6 Pixeln.</translation>
    </message>
    <message>
        <source>the back</source>
        <translation>die Rückseite</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>--picture %1: the set has no picture %1.</source>
        <translation>--picture %1: Der Satz hat kein Bild %1.</translation>
    </message>
    <message>
        <source>--crop: the set has no picture %1.</source>
        <translation>--crop: Der Satz hat kein Bild %1.</translation>
    </message>
    <message>
        <source>--picture-name: the set has no picture %1.</source>
        <translation>--picture-name: Der Satz hat kein Bild %1.</translation>
    </message>
    <message>
        <source>--back %1: there is no such card back or picture file. The card backs are %2.</source>
        <translation>--back %1: Eine solche Kartenrückseite oder Bilddatei gibt es nicht. Die Kartenrückseiten sind %2.</translation>
    </message>
    <message>
        <source>You have no card set named &quot;%1&quot;.</source>
        <translation>Sie haben keinen Kartensatz namens „%1“.</translation>
    </message>
    <message>
        <source>With --edit, put other pictures in with --picture N=FILE.</source>
        <translation>Mit --edit setzen Sie andere Bilder mit --picture N=DATEI ein.</translation>
    </message>
    <message>
        <source>--picture changes a picture of the set given with --edit.</source>
        <translation>--picture ändert ein Bild des mit --edit angegebenen Satzes.</translation>
    </message>
    <message>
        <source>There is no card set named &quot;%1&quot;.</source>
        <translation>Es gibt keinen Kartensatz namens „%1“.</translation>
    </message>
    <message>
        <source>The 18 pictures, one for each pair of cards, or folders of pictures.</source>
        <translation>Die 18 Bilder, eines für jedes Kartenpaar, oder Ordner mit Bildern.</translation>
    </message>
    <message>
        <source>the file is too large for a picture (%1 MB, at most %2 MB)</source>
        <translation>die Datei ist zu groß für ein Bild (%1 MB, höchstens %2 MB)</translation>
    </message>
    <message>
        <source>the picture cannot be kept as a JPEG file</source>
        <translation>das Bild kann nicht als JPEG-Datei behalten werden</translation>
    </message>
    <message>
        <source>the picture is too large to read: its %1 x %2 pixels would take %3 MB of memory, more than the %4 MB this program takes for one picture</source>
        <translation>das Bild ist zu groß zum Lesen: Seine %1 × %2 Pixel bräuchten %3 MB Speicher, mehr als die %4 MB, die dieses Programm für ein Bild nimmt</translation>
    </message>
    <message>
        <source>the picture is cut off: the file ends before the picture does</source>
        <translation>das Bild ist abgeschnitten: Die Datei endet vor dem Bild</translation>
    </message>
    <message>
        <source>the picture&apos;s data is damaged (%1)</source>
        <translation>die Bilddaten sind beschädigt (%1)</translation>
    </message>
    <message>
        <source>the file holds more than %1 MB of text and other data besides the picture</source>
        <translation>die Datei enthält neben dem Bild mehr als %1 MB Text und andere Daten</translation>
    </message>
    <message>
        <source>it has no picture size</source>
        <translation>es fehlt die Bildgröße</translation>
    </message>
    <message>
        <source>the picture cannot be read: it is damaged, cut off or of a kind this program can&apos;t read (%1)</source>
        <translation>das Bild kann nicht gelesen werden: Es ist beschädigt, abgeschnitten oder von einer Art, die dieses Programm nicht lesen kann (%1)</translation>
    </message>
    <message>
        <source>libwebp cannot decode it</source>
        <translation>libwebp kann es nicht dekodieren</translation>
    </message>
    <message>
        <source>it uses a kind of WebP this program can&apos;t read</source>
        <translation>es ist eine Art WebP, die dieses Programm nicht lesen kann</translation>
    </message>
    <message>
        <source>The card set &quot;%1&quot; comes with the game and cannot be removed.</source>
        <translation>Der Kartensatz „%1“ gehört zum Spiel und kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The card set &quot;%1&quot; cannot be moved to the trash.</source>
        <translation>Der Kartensatz „%1“ kann nicht in den Papierkorb verschoben werden.</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>auf dem Gerät ist kein Platz mehr</translation>
    </message>
    <message>
        <source>the set&apos;s folder &quot;%1&quot; holds %2 of your own under the name of a file of the set: move it away first</source>
        <translation>der Ordner „%1“ des Satzes enthält %2 von Ihnen unter dem Namen einer Datei des Satzes: Verschieben Sie es zuerst woandershin</translation>
    </message>
    <message>
        <source>--crop back: the card back is no picture of your own.</source>
        <translation>--crop back: Die Kartenrückseite ist kein eigenes Bild.</translation>
    </message>
    <message>
        <source>it is a kind of picture whose size this program can&apos;t tell before reading it</source>
        <translation>es ist eine Art Bild, dessen Größe dieses Programm vor dem Lesen nicht erkennen kann</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>es ist nicht genug Speicher frei, um es zu lesen</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>es konnte nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <source>picture %1</source>
        <translation>Bild %1</translation>
    </message>
</context>
<context>
    <name>CardSet</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Das Bild %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>the file is too large for a picture</source>
        <translation>die Datei ist für ein Bild zu groß</translation>
    </message>
    <message>
        <source>the bitmap cannot be decoded</source>
        <translation>die Bitmap lässt sich nicht dekodieren</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>ComputerTurnTold</name>
    <message>
        <source>Computer pairs %1 %2, %3.</source>
        <translation>Computer: Paar %1 %2, %3.</translation>
    </message>
    <message>
        <source>Computer %1 %2, %3 %4.</source>
        <translation>Computer: %1 %2, %3 %4.</translation>
    </message>
    <message>
        <source>No turn of the computer to repeat.</source>
        <translation>Kein Zug des Computers zu wiederholen.</translation>
    </message>
</context>
<context>
    <name>LockPrompt</name>
    <message>
        <source>The high scores (%1) are locked by another program, perhaps another copy of Tavro Memory.</source>
        <translation>Die Bestenliste (%1) ist von einem anderen Programm gesperrt, vielleicht von einer anderen Kopie von Tavro Memory.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>a link to a file that does not exist</source>
        <translation>ein Verweis auf eine Datei, die es nicht gibt</translation>
    </message>
    <message>
        <source>the file is locked by another program</source>
        <translation>die Datei ist von einem anderen Programm gesperrt</translation>
    </message>
</context>
<context>
    <name>ScoreLine</name>
    <message>
        <source>Points: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <source>Game over: %1 points</source>
        <translation>Spiel beendet: %1 Punkte</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The card set and the delay could not be saved</source>
        <translation>Der Kartensatz und die Verzögerung konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The card set and the delay could not be saved to %1</source>
        <translation>Der Kartensatz und die Verzögerung konnten nicht in %1 gespeichert werden</translation>
    </message>
</context>
<context>
    <name>SpokenOutcomes</name>
    <message>
        <source>Match, %1 points.</source>
        <translation>Paar, %1 Punkte.</translation>
    </message>
    <message>
        <source>No match, %1 points.</source>
        <translation>Kein Paar, %1 Punkte.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Hint: %1, %2 points.</source>
        <translation>Tipp: %1, %2 Punkte.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Spiel zu Ende.</translation>
    </message>
    <message>
        <source>Game over, %1 points.</source>
        <translation>Spiel zu Ende, %1 Punkte.</translation>
    </message>
    <message>
        <source>New game, %1 points.</source>
        <translation>Neues Spiel, %1 Punkte.</translation>
    </message>
    <message>
        <source>Pair matched. %1 has %2 points</source>
        <translation>Paar gefunden. %1 hat %2 Punkte</translation>
    </message>
    <message>
        <source>No match. %1 has %2 points</source>
        <translation>Kein Paar. %1 hat %2 Punkte</translation>
    </message>
    <message>
        <source>The hint cost %1 points. %2 has %3 points</source>
        <translation>Der Tipp kostete %1 Punkte. %2 hat %3 Punkte</translation>
    </message>
    <message>
        <source>The computer&apos;s turn</source>
        <translation>Der Computer ist am Zug</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>%1 ist am Zug</translation>
    </message>
    <message>
        <source>A draw, %1 each.</source>
        <translation>Unentschieden, je %1.</translation>
    </message>
    <message>
        <source>The computer wins, %1 to %2.</source>
        <translation>Der Computer gewinnt, %1 zu %2.</translation>
    </message>
    <message>
        <source>%1 wins, %2 to %3.</source>
        <translation>%1 gewinnt, %2 zu %3.</translation>
    </message>
    <message>
        <source>%1 points.</source>
        <translation>%1 Punkte.</translation>
    </message>
    <message>
        <source>%1: %2 points, %3: %4 points.</source>
        <translation>%1: %2 Punkte, %3: %4 Punkte.</translation>
    </message>
    <message>
        <source>New game. The computer starts.</source>
        <translation>Neues Spiel. Der Computer beginnt.</translation>
    </message>
    <message>
        <source>New game. %1 starts.</source>
        <translation>Neues Spiel. %1 beginnt.</translation>
    </message>
</context>
<context>
    <name>UsableCardSet</name>
    <message>
        <source>The card set %1 can&apos;t be used (%2).</source>
        <translation>Der Kartensatz %1 ist nicht verwendbar (%2).</translation>
    </message>
    <message>
        <source>The card set %1 is used instead.</source>
        <translation>Stattdessen wird der Kartensatz %1 verwendet.</translation>
    </message>
</context>
<context>
    <name>tavro::BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Arrow keys move, Space turns a card. F2 new game, F3 Leads, F4 hint for 75 points, F6 score, F10 exit.</source>
        <translation>Pfeiltasten bewegen, Leertaste deckt eine Karte auf. F2 neues Spiel, F3 Bestenliste, F4 Tipp für 75 Punkte, F6 Punktestand, F10 beenden.</translation>
    </message>
</context>
<context>
    <name>tavro::ComputerDialog</name>
    <message>
        <source>Against the computer</source>
        <translation>Gegen den Computer</translation>
    </message>
    <message>
        <source>&amp;Your name:</source>
        <translation>&amp;Ihr Name:</translation>
    </message>
    <message>
        <source>The computer</source>
        <translation>Der Computer</translation>
    </message>
    <message>
        <source>&amp;Easy: it forgets quickly</source>
        <translation>&amp;Leicht: vergisst schnell</translation>
    </message>
    <message>
        <source>E&amp;ven: a close game</source>
        <translation>&amp;Ausgeglichen: ein knappes Spiel</translation>
    </message>
    <message>
        <source>&amp;Hard: it forgets nothing</source>
        <translation>&amp;Schwer: vergisst nichts</translation>
    </message>
    <message>
        <source>&amp;Take turns to start</source>
        <translation>Abwechselnd &amp;beginnen</translation>
    </message>
</context>
<context>
    <name>tavro::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>tavro::GameOverDialog</name>
    <message>
        <source>&amp;Play again</source>
        <translation>&amp;Nochmal spielen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>%1: %2 points, %3: %4 points.</source>
        <translation>%1: %2 Punkte, %3: %4 Punkte.</translation>
    </message>
</context>
<context>
    <name>tavro::HowToPlay</name>
    <message>
        <source>How to play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Find the pairs among the %1 cards with as few mistakes as you can.</source>
        <translation>Finden Sie die Paare unter den %1 Karten mit so wenigen Fehlgriffen wie möglich.</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>Das Spiel</translation>
    </message>
    <message>
        <source>Click a card to turn it face up, then click a second one.</source>
        <translation>Klicken Sie auf eine Karte, um sie aufzudecken, dann auf eine zweite.</translation>
    </message>
    <message>
        <source>Two cards with the same picture are a pair: they stay face up. Two that differ turn back after the delay you set in Options.</source>
        <translation>Zwei Karten mit demselben Bild sind ein Paar: Sie bleiben aufgedeckt. Zwei verschiedene werden nach der in den Optionen eingestellten Dauer wieder umgedreht.</translation>
    </message>
    <message>
        <source>The game is over when all %1 cards are face up. A score good enough for the Leads asks for your name.</source>
        <translation>Das Spiel ist zu Ende, wenn alle %1 Karten aufgedeckt sind. Reicht Ihr Ergebnis für die Bestenliste, werden Sie nach Ihrem Namen gefragt.</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Die Punkte</translation>
    </message>
    <message>
        <source>A pair: %1 points.</source>
        <translation>Ein Paar: %1 Punkte.</translation>
    </message>
    <message>
        <source>Two cards that differ: %1 points. The score may go below zero.</source>
        <translation>Zwei verschiedene Karten: %1 Punkte. Der Punktestand kann unter null fallen.</translation>
    </message>
    <message>
        <source>A hint (Game, Show!) marks a pair in blue for a moment: %1 points. A game has at most %2 hints.</source>
        <translation>Ein Tipp (Spiel, Tipp!) zeigt kurz ein Paar in Blau: %1 Punkte. Ein Spiel hat höchstens %2 Tipps.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Arrow keys: move the ring over the cards.</source>
        <translation>Pfeiltasten: bewegen den Ring über die Karten.</translation>
    </message>
    <message>
        <source>Space or Enter: turn the card under the ring.</source>
        <translation>Leertaste oder Eingabetaste: deckt die Karte unter dem Ring auf.</translation>
    </message>
    <message>
        <source>F1: this window.</source>
        <translation>F1: dieses Fenster.</translation>
    </message>
    <message>
        <source>F2: a new game.</source>
        <translation>F2: ein neues Spiel.</translation>
    </message>
    <message>
        <source>F3: the Leads, the best scores.</source>
        <translation>F3: die Bestenliste.</translation>
    </message>
    <message>
        <source>F4: a hint.</source>
        <translation>F4: ein Tipp.</translation>
    </message>
    <message>
        <source>F5: the statistics.</source>
        <translation>F5: die Statistik.</translation>
    </message>
    <message>
        <source>F6: say the score.</source>
        <translation>F6: den Punktestand sagen.</translation>
    </message>
    <message>
        <source>F7: repeat the computer&apos;s last turn.</source>
        <translation>F7: den letzten Zug des Computers wiederholen.</translation>
    </message>
    <message>
        <source>F10: exit.</source>
        <translation>F10: beenden.</translation>
    </message>
    <message>
        <source>Alt and the underlined letter of a menu: open that menu.</source>
        <translation>Alt und der unterstrichene Buchstabe eines Menüs: öffnen dieses Menü.</translation>
    </message>
    <message>
        <source>In this window, Tab moves between the text and Close; Escape closes it.</source>
        <translation>In diesem Fenster wechselt Tab zwischen dem Text und „Schließen“; Escape schließt es.</translation>
    </message>
    <message>
        <source>The Play menu</source>
        <translation>Das Menü „Spielen“</translation>
    </message>
    <message>
        <source>One player: the game on your own, as above.</source>
        <translation>Ein Spieler: Sie spielen allein, wie oben beschrieben.</translation>
    </message>
    <message>
        <source>Two players: two of you take turns at one screen. After a pair the same player goes again; after two cards that differ the turn passes. The hints are shared.</source>
        <translation>Zwei Spieler: Zwei Personen spielen abwechselnd an einem Bildschirm. Nach einem Paar ist dieselbe Person noch einmal dran, nach zwei verschiedenen Karten die andere. Beide teilen sich die Tipps.</translation>
    </message>
    <message>
        <source>Against the computer: choose how strong it is, &quot;Easy&quot; (it forgets quickly), &quot;Even&quot; (a close game) or &quot;Hard&quot; (it forgets nothing). You begin every game, unless you check &quot;Take turns to start&quot;.</source>
        <translation>Gegen den Computer: Wählen Sie, wie stark er ist: „Leicht“ (vergisst schnell), „Ausgeglichen“ (ein knappes Spiel) oder „Schwer“ (vergisst nichts). Sie beginnen jedes Spiel, außer Sie wählen „Abwechselnd beginnen“.</translation>
    </message>
    <message>
        <source>Sounds: short sounds for a turned card, a pair, a miss, a hint and the end of a game.</source>
        <translation>Töne: kurze Töne für eine aufgedeckte Karte, ein Paar, einen Fehlgriff, einen Tipp und das Ende eines Spiels.</translation>
    </message>
    <message>
        <source>Say the score (F6) and Repeat the computer&apos;s turn (F7) tell a screen reader the score, or the computer&apos;s last turn, once more.</source>
        <translation>„Punktestand sagen“ (F6) und „Zug des Computers wiederholen“ (F7) sagen einem Bildschirmleser den Punktestand oder den letzten Zug des Computers noch einmal.</translation>
    </message>
    <message>
        <source>Record games keeps a record of the games you play, and Statistics (F5) shows how they went.</source>
        <translation>„Spiele aufzeichnen“ hält Ihre Spiele fest, und „Statistik“ (F5) zeigt, wie sie ausgegangen sind.</translation>
    </message>
    <message>
        <source>Your choices in the Play menu are kept for the next start.</source>
        <translation>Ihre Wahl im Menü „Spielen“ bleibt für den nächsten Start erhalten.</translation>
    </message>
    <message>
        <source>Ctrl and +, Ctrl and −: larger or smaller cards; Ctrl and 0: the normal size.</source>
        <translation>Strg und +, Strg und −: größere oder kleinere Karten; Strg und 0: die normale Größe.</translation>
    </message>
    <message>
        <source>Animate cards: the cards turn over, a pair lifts, and the end of a game is celebrated.</source>
        <translation>Karten animieren: Die Karten drehen sich um, ein Paar hebt sich, und das Ende eines Spiels wird gefeiert.</translation>
    </message>
    <message>
        <source>Card size: larger cards, up to what fits your screen; the whole window grows with them.</source>
        <translation>Kartengröße: größere Karten, bis zu dem, was auf Ihren Bildschirm passt; das ganze Fenster wächst mit.</translation>
    </message>
</context>
<context>
    <name>tavro::LeadsTableAccessible</name>
    <message>
        <source>Place</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>%1, %2 points</source>
        <translation>%1, %2 Punkte</translation>
    </message>
    <message>
        <source>%1, %2, %3 points</source>
        <translation>%1, %2, %3 Punkte</translation>
    </message>
</context>
<context>
    <name>tavro::PlayMenu</name>
    <message>
        <source>&amp;One player</source>
        <translation>&amp;Ein Spieler</translation>
    </message>
    <message>
        <source>&amp;Two players…</source>
        <translation>&amp;Zwei Spieler…</translation>
    </message>
    <message>
        <source>Against the &amp;computer…</source>
        <translation>Gegen den &amp;Computer…</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <translation>&amp;Töne</translation>
    </message>
    <message>
        <source>Say the &amp;score</source>
        <translation>&amp;Punktestand sagen</translation>
    </message>
    <message>
        <source>&amp;Record games</source>
        <translation>&amp;Spiele aufzeichnen</translation>
    </message>
    <message>
        <source>St&amp;atistics…</source>
        <translation>Stat&amp;istik…</translation>
    </message>
    <message>
        <source>Re&amp;peat the computer&apos;s turn</source>
        <translation>Zug des Computers &amp;wiederholen</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>1&amp;50 %</source>
        <translation>1&amp;50 %</translation>
    </message>
    <message>
        <source>&amp;200 %</source>
        <translation>&amp;200 %</translation>
    </message>
    <message>
        <source>&amp;300 %</source>
        <translation>&amp;300 %</translation>
    </message>
    <message>
        <source>&amp;Fit the screen</source>
        <translation>&amp;An den Bildschirm anpassen</translation>
    </message>
    <message>
        <source>&amp;Larger</source>
        <translation>&amp;Größer</translation>
    </message>
    <message>
        <source>&amp;Smaller</source>
        <translation>&amp;Kleiner</translation>
    </message>
    <message>
        <source>N&amp;ormal size</source>
        <translation>N&amp;ormale Größe</translation>
    </message>
    <message>
        <source>Card si&amp;ze</source>
        <translation>&amp;Kartengröße</translation>
    </message>
    <message>
        <source>A&amp;nimate cards</source>
        <translation>Karten &amp;animieren</translation>
    </message>
</context>
<context>
    <name>tavro::PlayerNames</name>
    <message>
        <source>Player 2</source>
        <translation>Spieler 2</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Spieler 1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
</context>
<context>
    <name>tavro::PlayersDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tavro::PlayersLine</name>
    <message>
        <source>to play</source>
        <translation>am Zug</translation>
    </message>
    <message>
        <source>a draw</source>
        <translation>unentschieden</translation>
    </message>
    <message>
        <source>wins</source>
        <translation>gewinnt</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The computer starts</source>
        <translation>Der Computer beginnt</translation>
    </message>
    <message>
        <source>%1 starts</source>
        <translation>%1 beginnt</translation>
    </message>
</context>
<context>
    <name>tavro::RecordWriter</name>
    <message>
        <source>The record of games in %1 was made by a newer version of Tavro Memory, so games are not recorded in it.</source>
        <translation>Die Aufzeichnung der Spiele in %1 stammt von einer neueren Version von Tavro Memory, darum werden keine Spiele darin aufgezeichnet.</translation>
    </message>
    <message>
        <source>Games can&apos;t be recorded in %1 (%2). You can play on; this is said only once.</source>
        <translation>Spiele können nicht in %1 aufgezeichnet werden (%2). Sie können weiterspielen; dieser Hinweis kommt nur einmal.</translation>
    </message>
    <message>
        <source>Games can&apos;t be recorded in %1: there is no space left on the disk. You can play on; this is said only once.</source>
        <translation>Spiele können nicht in %1 aufgezeichnet werden: Auf dem Datenträger ist kein Platz mehr frei. Sie können weiterspielen; dieser Hinweis kommt nur einmal.</translation>
    </message>
</context>
<context>
    <name>tavro::RecordsDatabase</name>
    <message>
        <source>The record of games was damaged (%1). It has been moved to %2, and a new record is kept from now on.</source>
        <translation>Die Aufzeichnung der Spiele war beschädigt (%1). Sie wurde nach %2 verschoben, und ab jetzt wird eine neue Aufzeichnung geführt.</translation>
    </message>
</context>
<context>
    <name>tavro::RecordsMessages</name>
    <message>
        <source>The record of games in %1 was made by a newer version of Tavro Memory. It is shown as far as this version can read it, and it can&apos;t be cleared here.</source>
        <translation>Die Aufzeichnung der Spiele in %1 stammt von einer neueren Version von Tavro Memory. Sie wird gezeigt, soweit diese Version sie lesen kann, und kann hier nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The record of games in %1 is shown read-only, as its folder can&apos;t be written. It can&apos;t be cleared, and no games are recorded in it.</source>
        <translation>Die Aufzeichnung der Spiele in %1 wird schreibgeschützt gezeigt, da in ihren Ordner nicht geschrieben werden kann. Sie kann nicht gelöscht werden, und es werden keine Spiele darin aufgezeichnet.</translation>
    </message>
    <message>
        <source>The record of games in %1 is shown read-only, as you may not change the file (it belongs to another user, or it is write-protected). It can&apos;t be cleared, and no games are recorded in it.</source>
        <translation>Die Aufzeichnung der Spiele in %1 wird schreibgeschützt gezeigt, da Sie die Datei nicht ändern dürfen (sie gehört einem anderen Benutzer oder ist schreibgeschützt). Sie kann nicht gelöscht werden, und es werden keine Spiele darin aufgezeichnet.</translation>
    </message>
    <message>
        <source>The record of games in %1 is damaged (%2).</source>
        <translation>Die Aufzeichnung der Spiele in %1 ist beschädigt (%2).</translation>
    </message>
    <message>
        <source>The record of games in %1 can&apos;t be read or changed (%2).</source>
        <translation>Die Aufzeichnung der Spiele in %1 kann nicht gelesen oder geändert werden (%2).</translation>
    </message>
    <message>
        <source>The record of games (%1) is locked by another program, perhaps another copy of Tavro Memory.</source>
        <translation>Die Aufzeichnung der Spiele (%1) ist von einem anderen Programm gesperrt, vielleicht von einer anderen Kopie von Tavro Memory.</translation>
    </message>
    <message>
        <source>There is no space left on the disk for %1.</source>
        <translation>Auf dem Datenträger ist kein Platz mehr frei für %1.</translation>
    </message>
</context>
<context>
    <name>tavro::ScoreChart</name>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Bestwert</translation>
    </message>
</context>
<context>
    <name>tavro::StatisticsTables</name>
    <message>
        <source>Two players</source>
        <translation>Zwei Spieler</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Gegen den Computer</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Ein Spieler</translation>
    </message>
    <message>
        <source>Left for a new game</source>
        <translation>Abgebrochen für ein neues Spiel</translation>
    </message>
    <message>
        <source>Left by a change in Options</source>
        <translation>Abgebrochen durch eine Änderung der Optionen</translation>
    </message>
    <message>
        <source>Left by a change of players</source>
        <translation>Abgebrochen durch einen Spielerwechsel</translation>
    </message>
    <message>
        <source>Left by Exit</source>
        <translation>Abgebrochen durch Beenden</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Kartensatz</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Spielart</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Mismatches</source>
        <translation>Fehlgriffe</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Bestwert</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>Beste Serie</translation>
    </message>
    <message>
        <source>Against the computer (easy)</source>
        <translation>Gegen den Computer (leicht)</translation>
    </message>
    <message>
        <source>Against the computer (hard)</source>
        <translation>Gegen den Computer (schwer)</translation>
    </message>
    <message>
        <source>Against the computer (even)</source>
        <translation>Gegen den Computer (ausgeglichen)</translation>
    </message>
</context>
<context>
    <name>tavro::StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Sets and modes</source>
        <translation>Kartensätze und Spielarten</translation>
    </message>
    <message>
        <source>&amp;Sets and modes:</source>
        <translation>&amp;Kartensätze und Spielarten:</translation>
    </message>
    <message>
        <source>Chart of the scores over time</source>
        <translation>Diagramm der Punkte im Lauf der Zeit</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Recent games</source>
        <translation>Letzte Spiele</translation>
    </message>
    <message>
        <source>&amp;Recent games:</source>
        <translation>Letzte &amp;Spiele:</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>Sortieren &amp;nach:</translation>
    </message>
    <message>
        <source>&amp;Export to CSV…</source>
        <translation>Als CSV &amp;exportieren…</translation>
    </message>
    <message>
        <source>&amp;Clear statistics…</source>
        <translation>Statistik &amp;löschen…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No games recorded yet.</source>
        <translation>Noch keine Spiele aufgezeichnet.</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Games exported to %1: %2.</source>
        <translation>Spiele nach %1 exportiert: %2.</translation>
    </message>
    <message>
        <source>Clear statistics</source>
        <translation>Statistik löschen</translation>
    </message>
    <message>
        <source>Clear the record of every game played? This can&apos;t be undone.</source>
        <translation>Die Aufzeichnung aller gespielten Spiele löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Exporting the games to %1…</source>
        <translation>Die Spiele werden nach %1 exportiert…</translation>
    </message>
    <message>
        <source>Clearing the record of games…</source>
        <translation>Die Aufzeichnung der Spiele wird gelöscht…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The export was cancelled; no file was written.</source>
        <translation>Der Export wurde abgebrochen; es wurde keine Datei geschrieben.</translation>
    </message>
</context>
<context>
    <name>tavro::TForm1</name>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Leads</source>
        <translation>Besten&amp;liste</translation>
    </message>
    <message>
        <source>&amp;Show!</source>
        <translation>&amp;Tipp!</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über Tavro Memory</translation>
    </message>
    <message>
        <source>Tavro Memory: Error!</source>
        <translation>Tavro Memory: Fehler!</translation>
    </message>
    <message>
        <source>Please reinstall Tavro Memory</source>
        <translation>Bitte installieren Sie Tavro Memory neu</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>S&amp;pielen</translation>
    </message>
    <message>
        <source>The statistics can&apos;t be shown: %1</source>
        <translation>Die Statistik kann nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>face down %1</source>
        <translation>verdeckt %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Sounds on.</source>
        <translation>Töne an.</translation>
    </message>
    <message>
        <source>Sounds off.</source>
        <translation>Töne aus.</translation>
    </message>
    <message>
        <source>the picture can&apos;t be read</source>
        <translation>das Bild kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The sound system does not answer. The sounds stay off until Tavro Memory is started again.</source>
        <translation>Das Soundsystem antwortet nicht. Die Töne bleiben aus, bis Tavro Memory neu gestartet wird.</translation>
    </message>
    <message>
        <source>How to &amp;play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
</context>
<context>
    <name>tavro::TForm2</name>
    <message>
        <source>Enter your name</source>
        <translation>Name eingeben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 can&apos;t be stored in the high scores</source>
        <translation>Nicht in der Bestenliste speicherbar: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>A new high score: %1 points.</source>
        <translation>Ein neuer Rekord: %1 Punkte.</translation>
    </message>
</context>
<context>
    <name>tavro::TForm3</name>
    <message>
        <source>Leads</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you shure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>tavro::TForm4</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> sec</source>
        <translation> Sek.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Preview of the cards</source>
        <translation>Vorschau der Karten</translation>
    </message>
    <message>
        <source>Delay in seconds</source>
        <translation>Verzögerung in Sekunden</translation>
    </message>
    <message>
        <source>Cards: %1</source>
        <translation>Karten: %1</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>Cards: %1, first</source>
        <translation>Karten: %1, erste</translation>
    </message>
    <message>
        <source>Cards: %1, last</source>
        <translation>Karten: %1, letzte</translation>
    </message>
    <message>
        <source>Cards: %1, the only set</source>
        <translation>Karten: %1, der einzige Satz</translation>
    </message>
</context>
<context>
    <name>tavro::TForm5</name>
    <message>
        <source>About Tavro Memory</source>
        <translation>Über Tavro Memory</translation>
    </message>
    <message>
        <source>Visit Tavro Memory Homepage</source>
        <translation>Homepage besuchen</translation>
    </message>
    <message>
        <source>Mail To Tavro Memory Autors</source>
        <translation>E-Mail an die Autoren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tavro Memory logo</source>
        <translation>Tavro-Memory-Logo</translation>
    </message>
</context>
<context>
    <name>tavro::TrendText</name>
    <message>
        <source>No games recorded yet.</source>
        <translation>Noch keine Spiele aufgezeichnet.</translation>
    </message>
    <message>
        <source>Games played: %1, finished: %2, best streak: %3 in a row.</source>
        <translation>Gespielt: %1, beendet: %2, beste Serie: %3 in Folge.</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Noch keine beendeten Spiele.</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <extracomment>The best game&apos;s day in &quot;Best 1700 on 3 March&quot; (a QDate format).</extracomment>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>Best %1 on %2; the finished games so far average %3.</source>
        <translation>Bestwert %1 am %2; die bisher beendeten Spiele haben im Schnitt %3.</translation>
    </message>
    <message>
        <source>Best %1 on %2; last ten games average %3, up from %4.</source>
        <translation>Bestwert %1 am %2; die letzten zehn Spiele haben im Schnitt %3, gestiegen von %4.</translation>
    </message>
    <message>
        <source>Best %1 on %2; last ten games average %3, down from %4.</source>
        <translation>Bestwert %1 am %2; die letzten zehn Spiele haben im Schnitt %3, gesunken von %4.</translation>
    </message>
    <message>
        <source>Best %1 on %2; last ten games average %3, the same as before (%4).</source>
        <translation>Bestwert %1 am %2; die letzten zehn Spiele haben im Schnitt %3, so viel wie zuvor (%4).</translation>
    </message>
</context>
<context>
    <name>tavro::TwoPlayersDialog</name>
    <message>
        <source>Two players</source>
        <translation>Zwei Spieler</translation>
    </message>
    <message>
        <source>&amp;First player:</source>
        <translation>&amp;Erster Spieler:</translation>
    </message>
    <message>
        <source>&amp;Second player:</source>
        <translation>&amp;Zweiter Spieler:</translation>
    </message>
</context>
<context>
    <name>tavro::cardmaker::CropView</name>
    <message>
        <source>Part of the picture on the card</source>
        <translation>Teil des Bildes auf der Karte</translation>
    </message>
    <message>
        <source>Drag the square, or move it with the arrow keys. The mouse wheel, or the + and - keys, make it smaller or larger.</source>
        <translation>Ziehen Sie das Quadrat oder verschieben Sie es mit den Pfeiltasten. Das Mausrad oder die Tasten + und - machen es kleiner oder größer.</translation>
    </message>
</context>
<context>
    <name>tavro::cardmaker::MakerWindow</name>
    <message>
        <source>Tavro Memory Card Maker</source>
        <translation>Tavro Memory Kartenmacher</translation>
    </message>
    <message>
        <source>Set &amp;name:</source>
        <translation>&amp;Name des Satzes:</translation>
    </message>
    <message>
        <source>&amp;Add pictures...</source>
        <translation>Bilder &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Card faces</source>
        <translation>Kartenbilder</translation>
    </message>
    <message>
        <source>A card set needs exactly 18 different pictures, one for each pair of cards, and a name no other set has. Drop pictures or a folder of pictures onto this window, or add them with the button.</source>
        <translation>Ein Kartensatz braucht genau 18 verschiedene Bilder, eines für jedes Kartenpaar, und einen Namen, den kein anderer Satz hat. Ziehen Sie Bilder oder einen Ordner mit Bildern auf dieses Fenster oder fügen Sie sie mit der Schaltfläche hinzu.</translation>
    </message>
    <message>
        <source>&amp;Save set</source>
        <translation>Satz &amp;speichern</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>Na&amp;me:</translation>
    </message>
    <message>
        <source>&amp;Remove picture</source>
        <translation>Bild &amp;entfernen</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>Kartenrückseite</translation>
    </message>
    <message>
        <source>A picture of my own...</source>
        <translation>Ein eigenes Bild...</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>These pictures were not added:</source>
        <translation>Diese Bilder wurden nicht hinzugefügt:</translation>
    </message>
    <message>
        <source>Picture for the card back</source>
        <translation>Bild für die Kartenrückseite</translation>
    </message>
    <message>
        <source>Saving replaces it.</source>
        <translation>Speichern ersetzt ihn.</translation>
    </message>
    <message>
        <source>Ready to save.</source>
        <translation>Bereit zum Speichern.</translation>
    </message>
    <message>
        <source>Replace your card set &quot;%1&quot; with the new one?</source>
        <translation>Ihren Kartensatz „%1“ durch den neuen ersetzen?</translation>
    </message>
    <message>
        <source>Saved in %1. The game&apos;s Options list the set the next time they open.</source>
        <translation>Gespeichert in %1. Die Optionen des Spiels führen den Satz auf, sobald sie das nächste Mal geöffnet werden.</translation>
    </message>
    <message>
        <source>Click to choose the part of your picture on the back.</source>
        <translation>Klicken Sie, um den Teil Ihres Bildes für die Rückseite zu wählen.</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom out: a larger part of the picture on the card (-)</source>
        <translation>Verkleinern: ein größerer Teil des Bildes auf der Karte (-)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom in: a smaller part of the picture on the card (+)</source>
        <translation>Vergrößern: ein kleinerer Teil des Bildes auf der Karte (+)</translation>
    </message>
    <message>
        <source>Drag the square to choose the part on the card; the wheel zooms.</source>
        <translation>Ziehen Sie das Quadrat auf den Teil, der auf die Karte soll; das Mausrad vergrößert.</translation>
    </message>
    <message>
        <source>Re&amp;place...</source>
        <translation>E&amp;rsetzen...</translation>
    </message>
    <message>
        <source>Put another picture in this one&apos;s place.</source>
        <translation>Ein anderes Bild an die Stelle dieses Bildes setzen.</translation>
    </message>
    <message>
        <source>&amp;Keep pictures that look alike</source>
        <translation>Ähnliche Bilder &amp;behalten</translation>
    </message>
    <message>
        <source>Take pictures that look like one another all the same: their cards may be hard to tell apart.</source>
        <translation>Bilder, die einander ähnlich sehen, trotzdem annehmen: Ihre Karten sind dann vielleicht schwer zu unterscheiden.</translation>
    </message>
    <message>
        <source>%v of %m pictures read</source>
        <translation>%v von %m Bildern gelesen</translation>
    </message>
    <message>
        <source>Pictures read</source>
        <translation>Gelesene Bilder</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Stop reading pictures: those read so far stay.</source>
        <translation>Das Lesen der Bilder anhalten: Die schon gelesenen bleiben.</translation>
    </message>
    <message>
        <source>Picture in place of &quot;%1&quot;</source>
        <translation>Bild an der Stelle von „%1“</translation>
    </message>
    <message>
        <source>looks like &apos;%1&apos;</source>
        <translation>sieht aus wie „%1“</translation>
    </message>
    <message>
        <source>This picture %1: their cards would be hard to tell apart.</source>
        <translation>Dieses Bild %1: Die Karten wären schwer zu unterscheiden.</translation>
    </message>
    <message>
        <source>This set&apos;s own back</source>
        <translation>Die eigene Rückseite dieses Satzes</translation>
    </message>
    <message>
        <source>%1: left out, as its name is not that of a picture file</source>
        <translation>%1: ausgelassen, da sein Name nicht der einer Bilddatei ist</translation>
    </message>
    <message>
        <source>This card set comes with the game: save your changes under a name of your own.</source>
        <translation>Dieser Kartensatz gehört zum Spiel: Speichern Sie Ihre Änderungen unter einem eigenen Namen.</translation>
    </message>
    <message>
        <source>Opening the card set was cancelled.</source>
        <translation>Das Öffnen des Kartensatzes wurde abgebrochen.</translation>
    </message>
    <message>
        <source>These pictures of the set could not be read:</source>
        <translation>Diese Bilder des Satzes konnten nicht gelesen werden:</translation>
    </message>
    <message>
        <source>Saving renames your card set &quot;%1&quot; to &quot;%2&quot;.</source>
        <translation>Beim Speichern wird Ihr Kartensatz „%1“ in „%2“ umbenannt.</translation>
    </message>
    <message>
        <source>Do you want to save the new card set?</source>
        <translation>Möchten Sie den neuen Kartensatz speichern?</translation>
    </message>
    <message>
        <source>Do you want to save the changes to the card set &quot;%1&quot;?</source>
        <translation>Möchten Sie die Änderungen am Kartensatz „%1“ speichern?</translation>
    </message>
    <message>
        <source>Your changes are lost if you don&apos;t save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <source>It cannot be saved yet:</source>
        <translation>Er kann noch nicht gespeichert werden:</translation>
    </message>
    <message>
        <source>Move your card set &quot;%1&quot; to the trash?</source>
        <translation>Ihren Kartensatz „%1“ in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>You can restore it from the trash.</source>
        <translation>Sie können ihn aus dem Papierkorb wiederherstellen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was moved to the trash.</source>
        <translation>„%1“ wurde in den Papierkorb verschoben.</translation>
    </message>
    <message>
        <source>All changes are saved.</source>
        <translation>Alle Änderungen sind gespeichert.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
</context>
<context>
    <name>tavro::cardmaker::SetList</name>
    <message>
        <source>Card se&amp;ts</source>
        <translation>Kar&amp;tensätze</translation>
    </message>
    <message>
        <source>Card sets</source>
        <translation>Kartensätze</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Remo&amp;ve...</source>
        <translation>In den Papier&amp;korb...</translation>
    </message>
    <message>
        <source>Move the card set to the trash, from where it can be restored.</source>
        <translation>Den Kartensatz in den Papierkorb verschieben, aus dem er wiederhergestellt werden kann.</translation>
    </message>
    <message>
        <source>Ne&amp;w set</source>
        <translation>Ne&amp;uer Satz</translation>
    </message>
    <message>
        <source>%1 (comes with the game)</source>
        <translation>%1 (gehört zum Spiel)</translation>
    </message>
    <message>
        <source>Comes with the game: open it as a starting point for a set of your own.</source>
        <translation>Gehört zum Spiel: Öffnen Sie ihn als Ausgangspunkt für einen eigenen Satz.</translation>
    </message>
</context>
</TS>
