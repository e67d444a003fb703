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
        <source>Arrow keys move, Space turns a card, F4 shows a pair for 75 points</source>
        <translation>Pfeiltasten bewegen, Leertaste deckt eine Karte auf, F4 zeigt ein Paar für 75 Punkte</translation>
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
        <source>Card %1, row %2, column %3: </source>
        <translation>Karte %1, Zeile %2, Spalte %3: </translation>
    </message>
    <message>
        <source>face down</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>matched: </source>
        <translation>Paar gefunden: </translation>
    </message>
    <message>
        <source>face up: </source>
        <translation>aufgedeckt: </translation>
    </message>
    <message>
        <source>Game over: %1 points</source>
        <translation>Spiel beendet: %1 Punkte</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>face up: %1</source>
        <translation>aufgedeckt: %1</translation>
    </message>
    <message>
        <source>Pair matched. %1 points</source>
        <translation>Paar gefunden. %1 Punkte</translation>
    </message>
    <message>
        <source>No match. %1 points</source>
        <translation>Kein Paar. %1 Punkte</translation>
    </message>
    <message>
        <source>Turned face down: %1 and %2</source>
        <translation>Wieder verdeckt: %1 und %2</translation>
    </message>
    <message>
        <source>Hint: the partner is %1</source>
        <translation>Tipp: das Gegenstück ist %1</translation>
    </message>
    <message>
        <source>Hint: %1 and %2</source>
        <translation>Tipp: %1 und %2</translation>
    </message>
    <message>
        <source>The hint cost %1 points. %2 points</source>
        <translation>Der Tipp kostete %1 Punkte. %2 Punkte</translation>
    </message>
    <message>
        <source>Game over, %1 points</source>
        <translation>Spiel zu Ende, %1 Punkte</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
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
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>A new high score: %1 points. Type your name for the Leads.</source>
        <translation>Ein neuer Rekord: %1 Punkte. Gib deinen Namen für die Bestenliste ein.</translation>
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
        <source>The card set %1 has no card back.</source>
        <translation>Der Kartensatz %1 hat keine Kartenrückseite.</translation>
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
</TS>
