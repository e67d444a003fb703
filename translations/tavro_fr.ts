<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BitmapHeader</name>
    <message>
        <source>the bitmap&apos;s size is impossible</source>
        <translation>la taille de l’image n’est pas valable</translation>
    </message>
    <message>
        <source>the bitmap header is damaged</source>
        <translation>l’en-tête du bitmap est endommagé</translation>
    </message>
    <message>
        <source>the bitmap&apos;s colour depth of %1 bits is not supported</source>
        <translation>une profondeur de couleur de %1 bits n’est pas prise en charge</translation>
    </message>
    <message>
        <source>the bitmap&apos;s compression is not supported</source>
        <translation>la compression du bitmap n’est pas prise en charge</translation>
    </message>
    <message>
        <source>the bitmap&apos;s colour table is damaged</source>
        <translation>la table des couleurs du bitmap est endommagée</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the file is not a Windows bitmap</source>
        <translation>le fichier n’est pas un bitmap Windows</translation>
    </message>
    <message>
        <source>the bitmap header is cut off</source>
        <translation>l’en-tête du bitmap est tronqué</translation>
    </message>
    <message>
        <source>the bitmap header is of an unknown kind</source>
        <translation>l’en-tête du bitmap est d’un type inconnu</translation>
    </message>
    <message>
        <source>the file is cut off (%1 of %2 bytes)</source>
        <translation>le fichier est tronqué (%1 octets sur %2)</translation>
    </message>
    <message>
        <source>the compressed bitmap does not state its data size</source>
        <translation>le bitmap compressé n’indique pas la taille de ses données</translation>
    </message>
    <message>
        <source>the bitmap&apos;s pixel data is cut off</source>
        <translation>les données de pixels du bitmap sont tronquées</translation>
    </message>
    <message>
        <source>the bitmap&apos;s colour masks hold no colour</source>
        <translation>les masques de couleur de l’image ne contiennent aucune couleur</translation>
    </message>
    <message>
        <source>the bitmap&apos;s colour masks are wider than its pixels</source>
        <translation>les masques de couleur de l’image sont plus larges que ses pixels</translation>
    </message>
    <message>
        <source>the bitmap&apos;s colour masks with gaps are not supported</source>
        <translation>les masques de couleur discontinus ne sont pas pris en charge</translation>
    </message>
    <message>
        <source>the bitmap is too large (%1 x %2 pixels)</source>
        <translation>l’image est trop grande (%1 × %2 pixels)</translation>
    </message>
    <message>
        <source>the bitmap&apos;s compressed data reaches outside the picture</source>
        <translation>les données compressées de l’image débordent de l’image</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <source>picture %1</source>
        <translation>image %1</translation>
    </message>
</context>
<context>
    <name>CardSet</name>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Impossible de charger l’image %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file is too large for a picture</source>
        <translation>le fichier est trop volumineux pour une image</translation>
    </message>
    <message>
        <source>the bitmap cannot be decoded</source>
        <translation>le bitmap ne peut pas être décodé</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>le fichier est trop volumineux</translation>
    </message>
    <message>
        <source>a link to a file that does not exist</source>
        <translation>un lien vers un fichier qui n’existe pas</translation>
    </message>
</context>
<context>
    <name>tavro::BoardAccessible</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Arrow keys move, Space turns a card, F4 shows a pair for 75 points</source>
        <translation>Les flèches déplacent, Espace retourne une carte, F4 montre une paire pour 75 points</translation>
    </message>
</context>
<context>
    <name>tavro::ErrorReport</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>tavro::LeadsTableAccessible</name>
    <message>
        <source>Place</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>%1, %2 points</source>
        <translation>%1, %2 points</translation>
    </message>
    <message>
        <source>%1, %2, %3 points</source>
        <translation>%1, %2, %3 points</translation>
    </message>
</context>
<context>
    <name>tavro::TForm1</name>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Leads</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Show!</source>
        <translation>&amp;Indice&#xa0;!</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Tavro Memory</translation>
    </message>
    <message>
        <source>Tavro Memory: Error!</source>
        <translation>Tavro Memory&#xa0;: erreur&#xa0;!</translation>
    </message>
    <message>
        <source>Please reinstall Tavro Memory</source>
        <translation>Veuillez réinstaller Tavro Memory</translation>
    </message>
    <message>
        <source>Card %1, row %2, column %3: </source>
        <translation>Carte %1, ligne %2, colonne %3&#xa0;: </translation>
    </message>
    <message>
        <source>face down</source>
        <translation>face cachée</translation>
    </message>
    <message>
        <source>matched: </source>
        <translation>paire trouvée&#xa0;: </translation>
    </message>
    <message>
        <source>face up: </source>
        <translation>face visible&#xa0;: </translation>
    </message>
    <message>
        <source>Game over: %1 points</source>
        <translation>Partie terminée&#xa0;: %1 points</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>face up: %1</source>
        <translation>face visible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Pair matched. %1 points</source>
        <translation>Paire trouvée. %1 points</translation>
    </message>
    <message>
        <source>No match. %1 points</source>
        <translation>Pas de paire. %1 points</translation>
    </message>
    <message>
        <source>Turned face down: %1 and %2</source>
        <translation>Retournées face cachée&#xa0;: %1 et %2</translation>
    </message>
    <message>
        <source>Hint: the partner is %1</source>
        <translation>Indice&#xa0;: la carte jumelle est %1</translation>
    </message>
    <message>
        <source>Hint: %1 and %2</source>
        <translation>Indice&#xa0;: %1 et %2</translation>
    </message>
    <message>
        <source>The hint cost %1 points. %2 points</source>
        <translation>L’indice a coûté %1 points. %2 points</translation>
    </message>
    <message>
        <source>Game over, %1 points</source>
        <translation>Partie terminée, %1 points</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
</context>
<context>
    <name>tavro::TForm2</name>
    <message>
        <source>Enter your name</source>
        <translation>Entrez votre nom</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>A new high score: %1 points. Type your name for the Leads.</source>
        <translation>Un nouveau record&#xa0;: %1 points. Tapez votre nom pour les meilleurs scores.</translation>
    </message>
</context>
<context>
    <name>tavro::TForm3</name>
    <message>
        <source>Leads</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you shure?</source>
        <translation>Êtes-vous sûr&#xa0;?</translation>
    </message>
</context>
<context>
    <name>tavro::TForm4</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> sec</source>
        <translation> s</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ÉCHEC</translation>
    </message>
    <message>
        <source>The card set %1 has no card back.</source>
        <translation>Le jeu de cartes %1 n’a pas de dos de carte.</translation>
    </message>
    <message>
        <source>Preview of the cards</source>
        <translation>Aperçu des cartes</translation>
    </message>
    <message>
        <source>Delay in seconds</source>
        <translation>Délai en secondes</translation>
    </message>
    <message>
        <source>Cards: %1</source>
        <translation>Cartes : %1</translation>
    </message>
</context>
<context>
    <name>tavro::TForm5</name>
    <message>
        <source>About Tavro Memory</source>
        <translation>À propos de Tavro Memory</translation>
    </message>
    <message>
        <source>Visit Tavro Memory Homepage</source>
        <translation>Visiter le site web</translation>
    </message>
    <message>
        <source>Mail To Tavro Memory Autors</source>
        <translation>Écrire aux auteurs</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tavro Memory logo</source>
        <translation>Logo de Tavro Memory</translation>
    </message>
</context>
</TS>
