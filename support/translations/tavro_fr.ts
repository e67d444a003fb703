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
    <name>CardMaker</name>
    <message>
        <source>Give the set a name.</source>
        <translation>Donnez un nom au jeu.</translation>
    </message>
    <message>
        <source>The set name cannot be &quot;%1&quot;.</source>
        <translation>Le nom du jeu ne peut pas être « %1 ».</translation>
    </message>
    <message>
        <source>The set name cannot begin with &quot;.&quot;: the game does not list such sets.</source>
        <translation>Le nom du jeu ne peut pas commencer par « . » : le jeu n’affiche pas ces jeux.</translation>
    </message>
    <message>
        <source>The set name must be one folder name: leave out &quot;/&quot; and &quot;\&quot;.</source>
        <translation>Le nom du jeu doit être un nom de dossier : sans « / » ni « \ ».</translation>
    </message>
    <message>
        <source>A card set named &quot;%1&quot; comes with the game: choose another name.</source>
        <translation>Un jeu de cartes nommé « %1 » est fourni avec le jeu : choisissez un autre nom.</translation>
    </message>
    <message>
        <source>You already have a card set named &quot;%1&quot;.</source>
        <translation>Vous avez déjà un jeu de cartes nommé « %1 ».</translation>
    </message>
    <message>
        <source>Add 1 more picture.</source>
        <translation>Ajoutez encore 1 image.</translation>
    </message>
    <message>
        <source>Add %1 more pictures.</source>
        <translation>Ajoutez encore %1 images.</translation>
    </message>
    <message>
        <source>Remove 1 picture: a set has exactly 18.</source>
        <translation>Retirez 1 image : un jeu en a exactement 18.</translation>
    </message>
    <message>
        <source>Remove %1 pictures: a set has exactly 18.</source>
        <translation>Retirez %1 images : un jeu en a exactement 18.</translation>
    </message>
    <message>
        <source>%1 is already in the set.</source>
        <translation>%1 est déjà dans le jeu.</translation>
    </message>
    <message>
        <source>%1 shows the same picture as %2.</source>
        <translation>%1 montre la même image que %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Choose another name, or add --replace to replace it.</source>
        <translation>Choisissez un autre nom, ou ajoutez --replace pour le remplacer.</translation>
    </message>
    <message>
        <source>Makes a Tavro Memory card set from 18 pictures. Without arguments it opens its window.</source>
        <translation>Crée un jeu de cartes Tavro Memory à partir de 18 images. Sans arguments, ouvre sa fenêtre.</translation>
    </message>
    <message>
        <source>The name of the card set, as the game lists it.</source>
        <translation>Le nom du jeu de cartes, tel que le jeu l’affiche.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>The card back: %1, or a picture file.</source>
        <translation>Le dos des cartes : %1, ou un fichier image.</translation>
    </message>
    <message>
        <source>back</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>Replace your own card set of the same name.</source>
        <translation>Remplacer votre propre jeu de cartes du même nom.</translation>
    </message>
    <message>
        <source>pictures</source>
        <translation>images</translation>
    </message>
    <message>
        <source>PICTURE...</source>
        <translation>IMAGE...</translation>
    </message>
    <message>
        <source>Give the set a name with --name.</source>
        <translation>Donnez un nom au jeu avec --name.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n’est pas un fichier</translation>
    </message>
    <message>
        <source>it is not a picture in a format this program can read</source>
        <translation>ce n’est pas une image dans un format que ce programme sait lire</translation>
    </message>
    <message>
        <source>Cannot save the set in %1: %2</source>
        <translation>Impossible d’enregistrer le jeu dans %1 : %2</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>a set named &quot;%1&quot; appeared meanwhile</source>
        <translation>un jeu nommé « %1 » est apparu entre-temps</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>The set name can have at most %1 characters.</source>
        <translation>Le nom du jeu ne peut avoir plus de %1 caractères.</translation>
    </message>
    <message>
        <source>%1 looks like %2: the cards would be hard to tell apart.</source>
        <translation>%1 ressemble à %2 : les cartes seraient difficiles à distinguer.</translation>
    </message>
    <message>
        <source>Start from the saved card set of this name: its pictures, names, squares and back.</source>
        <translation>Partir du jeu de cartes enregistré de ce nom : ses images, ses noms, ses carrés et son dos.</translation>
    </message>
    <message>
        <source>The square of picture N (or of the back: back=...) on its card: its left, top and side in pixels of the picture.</source>
        <translation>Le carré de l’image N (ou du dos : back=...) sur sa carte : sa gauche, son haut et son côté en pixels de l’image.</translation>
    </message>
    <message>
        <source>N=LEFT,TOP,SIDE</source>
        <translation>N=GAUCHE,HAUT,CÔTÉ</translation>
    </message>
    <message>
        <source>With --edit: put this picture in place of picture N.</source>
        <translation>Avec --edit : mettre cette image à la place de l’image N.</translation>
    </message>
    <message>
        <source>N=FILE</source>
        <translation>N=FICHIER</translation>
    </message>
    <message>
        <source>The name of picture N (by default its file&apos;s name).</source>
        <translation>Le nom de l’image N (par défaut celui de son fichier).</translation>
    </message>
    <message>
        <source>N=NAME</source>
        <translation>N=NOM</translation>
    </message>
    <message>
        <source>Take pictures that look like one another.</source>
        <translation>Accepter des images qui se ressemblent.</translation>
    </message>
    <message>
        <source>List your own card sets.</source>
        <translation>Lister vos propres jeux de cartes.</translation>
    </message>
    <message>
        <source>Move your own card set of this name to the trash.</source>
        <translation>Mettre votre propre jeu de cartes de ce nom à la corbeille.</translation>
    </message>
    <message>
        <source>--crop %1: give a picture&apos;s number and the square&apos;s left, top and side, as in --crop 3=120,0,480.</source>
        <translation>--crop %1 : indiquez le numéro d’une image et la gauche, le haut et le côté du carré, comme dans --crop 3=120,0,480.</translation>
    </message>
    <message>
        <source>--picture %1: give a picture&apos;s number and a file, as in --picture 3=beach.jpg.</source>
        <translation>--picture %1 : indiquez le numéro d’une image et un fichier, comme dans --picture 3=plage.jpg.</translation>
    </message>
    <message>
        <source>--picture-name %1: give a picture&apos;s number and a name, as in --picture-name 3=Beach.</source>
        <translation>--picture-name %1 : indiquez le numéro d’une image et un nom, comme dans --picture-name 3=Plage.</translation>
    </message>
    <message>
        <source>%1: the square %2,%3,%4 does not fit in the picture of %5 x %6 pixels.</source>
        <translation>%1 : le carré %2,%3,%4 ne tient pas dans l’image de %5 × %6 pixels.</translation>
    </message>
    <message>
        <source>the back</source>
        <translation>le dos</translation>
    </message>
    <message>
        <source>picture %1</source>
        <translation>l’image %1</translation>
    </message>
    <message>
        <source>--picture %1: the set has no picture %1.</source>
        <translation>--picture %1 : le jeu n’a pas d’image %1.</translation>
    </message>
    <message>
        <source>--crop: the set has no picture %1.</source>
        <translation>--crop : le jeu n’a pas d’image %1.</translation>
    </message>
    <message>
        <source>--picture-name: the set has no picture %1.</source>
        <translation>--picture-name : le jeu n’a pas d’image %1.</translation>
    </message>
    <message>
        <source>--back %1: there is no such card back or picture file. The card backs are %2.</source>
        <translation>--back %1 : il n’y a pas de tel dos de carte ni de tel fichier d’image. Les dos de carte sont %2.</translation>
    </message>
    <message>
        <source>You have no card set named &quot;%1&quot;.</source>
        <translation>Vous n’avez pas de jeu de cartes nommé « %1 ».</translation>
    </message>
    <message>
        <source>With --edit, put other pictures in with --picture N=FILE.</source>
        <translation>Avec --edit, mettez d’autres images avec --picture N=FICHIER.</translation>
    </message>
    <message>
        <source>--picture changes a picture of the set given with --edit.</source>
        <translation>--picture change une image du jeu donné par --edit.</translation>
    </message>
    <message>
        <source>There is no card set named &quot;%1&quot;.</source>
        <translation>Il n’y a pas de jeu de cartes nommé « %1 ».</translation>
    </message>
    <message>
        <source>The 18 pictures, one for each pair of cards, or folders of pictures.</source>
        <translation>Les 18 images, une pour chaque paire de cartes, ou des dossiers d’images.</translation>
    </message>
    <message>
        <source>the file is too large for a picture (%1 MB, at most %2 MB)</source>
        <translation>le fichier est trop grand pour une image (%1 Mo, au plus %2 Mo)</translation>
    </message>
    <message>
        <source>the picture cannot be kept as a JPEG file</source>
        <translation>l’image ne peut pas être gardée en fichier JPEG</translation>
    </message>
    <message>
        <source>the picture is too large to read: its %1 x %2 pixels would take %3 MB of memory, more than the %4 MB this program takes for one picture</source>
        <translation>l’image est trop grande pour être lue : ses %1 × %2 pixels prendraient %3 Mo de mémoire, plus que les %4 Mo que ce programme prend pour une image</translation>
    </message>
    <message>
        <source>the picture is cut off: the file ends before the picture does</source>
        <translation>l’image est coupée : le fichier s’arrête avant l’image</translation>
    </message>
    <message>
        <source>the picture&apos;s data is damaged (%1)</source>
        <translation>les données de l’image sont abîmées (%1)</translation>
    </message>
    <message>
        <source>the file holds more than %1 MB of text and other data besides the picture</source>
        <translation>le fichier contient plus de %1 Mo de texte et d’autres données en plus de l’image</translation>
    </message>
    <message>
        <source>it has no picture size</source>
        <translation>sa taille manque</translation>
    </message>
    <message>
        <source>the picture cannot be read: it is damaged, cut off or of a kind this program can&apos;t read (%1)</source>
        <translation>l’image ne peut pas être lue : elle est abîmée, coupée ou d’un genre que ce programme ne sait pas lire (%1)</translation>
    </message>
    <message>
        <source>libwebp cannot decode it</source>
        <translation>libwebp ne peut pas la décoder</translation>
    </message>
    <message>
        <source>it uses a kind of WebP this program can&apos;t read</source>
        <translation>c’est un genre de WebP que ce programme ne sait pas lire</translation>
    </message>
    <message>
        <source>The card set &quot;%1&quot; comes with the game and cannot be removed.</source>
        <translation>Le jeu de cartes « %1 » est fourni avec le jeu et ne peut pas être supprimé.</translation>
    </message>
    <message>
        <source>The card set &quot;%1&quot; cannot be moved to the trash.</source>
        <translation>Le jeu de cartes « %1 » ne peut pas être mis à la corbeille.</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>plus de place sur le périphérique</translation>
    </message>
    <message>
        <source>the set&apos;s folder &quot;%1&quot; holds %2 of your own under the name of a file of the set: move it away first</source>
        <translation>le dossier « %1 » du jeu contient %2 à vous sous le nom d’un fichier du jeu : déplacez-le d’abord ailleurs</translation>
    </message>
    <message>
        <source>--crop back: the card back is no picture of your own.</source>
        <translation>--crop back : le dos des cartes n’est pas une image à vous.</translation>
    </message>
    <message>
        <source>it is a kind of picture whose size this program can&apos;t tell before reading it</source>
        <translation>c’est un genre d’image dont ce programme ne peut connaître la taille avant de la lire</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>il n’y a pas assez de mémoire pour la lire</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>elle n’a pas pu être lue</translation>
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
    <name>ComputerTurnTold</name>
    <message>
        <source>Computer pairs %1 %2, %3.</source>
        <translation>Ordinateur : paire %1 %2, %3.</translation>
    </message>
    <message>
        <source>Computer %1 %2, %3 %4.</source>
        <translation>Ordinateur : %1 %2, %3 %4.</translation>
    </message>
    <message>
        <source>No turn of the computer to repeat.</source>
        <translation>Aucun tour de l’ordinateur à répéter.</translation>
    </message>
</context>
<context>
    <name>LockPrompt</name>
    <message>
        <source>The high scores (%1) are locked by another program, perhaps another copy of Tavro Memory.</source>
        <translation>Les meilleurs scores (%1) sont verrouillés par un autre programme, peut-être une autre copie de Tavro Memory.</translation>
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
    <message>
        <source>the file is locked by another program</source>
        <translation>le fichier est verrouillé par un autre programme</translation>
    </message>
</context>
<context>
    <name>ScoreLine</name>
    <message>
        <source>Points: %1</source>
        <translation>Points&#xa0;: %1</translation>
    </message>
    <message>
        <source>Game over: %1 points</source>
        <translation>Partie terminée&#xa0;: %1 points</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>The card set and the delay could not be saved</source>
        <translation>Le jeu de cartes et le délai n’ont pas pu être enregistrés</translation>
    </message>
    <message>
        <source>The card set and the delay could not be saved to %1</source>
        <translation>Le jeu de cartes et le délai n’ont pas pu être enregistrés dans %1</translation>
    </message>
</context>
<context>
    <name>SpokenOutcomes</name>
    <message>
        <source>Match, %1 points.</source>
        <translation>Paire, %1 points.</translation>
    </message>
    <message>
        <source>No match, %1 points.</source>
        <translation>Pas de paire, %1 points.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Hint: %1, %2 points.</source>
        <translation>Indice&#xa0;: %1, %2 points.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Partie terminée.</translation>
    </message>
    <message>
        <source>Game over, %1 points.</source>
        <translation>Partie terminée, %1 points.</translation>
    </message>
    <message>
        <source>New game, %1 points.</source>
        <translation>Nouvelle partie, %1 points.</translation>
    </message>
    <message>
        <source>Pair matched. %1 has %2 points</source>
        <translation>Paire trouvée. %1 a %2 points</translation>
    </message>
    <message>
        <source>No match. %1 has %2 points</source>
        <translation>Pas de paire. %1 a %2 points</translation>
    </message>
    <message>
        <source>The hint cost %1 points. %2 has %3 points</source>
        <translation>L’indice a coûté %1 points. %2 a %3 points</translation>
    </message>
    <message>
        <source>The computer&apos;s turn</source>
        <translation>À l’ordinateur de jouer</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>À %1 de jouer</translation>
    </message>
    <message>
        <source>A draw, %1 each.</source>
        <translation>Match nul, %1 chacun.</translation>
    </message>
    <message>
        <source>The computer wins, %1 to %2.</source>
        <translation>L’ordinateur gagne, %1 à %2.</translation>
    </message>
    <message>
        <source>%1 wins, %2 to %3.</source>
        <translation>%1 gagne, %2 à %3.</translation>
    </message>
    <message>
        <source>%1 points.</source>
        <translation>%1 points.</translation>
    </message>
    <message>
        <source>%1: %2 points, %3: %4 points.</source>
        <translation>%1 : %2 points, %3 : %4 points.</translation>
    </message>
    <message>
        <source>New game. The computer starts.</source>
        <translation>Nouvelle partie. L’ordinateur commence.</translation>
    </message>
    <message>
        <source>New game. %1 starts.</source>
        <translation>Nouvelle partie. %1 commence.</translation>
    </message>
</context>
<context>
    <name>UsableCardSet</name>
    <message>
        <source>The card set %1 can&apos;t be used (%2).</source>
        <translation>Le jeu de cartes %1 est inutilisable (%2).</translation>
    </message>
    <message>
        <source>The card set %1 is used instead.</source>
        <translation>Le jeu de cartes %1 est utilisé à la place.</translation>
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
        <source>Arrow keys move, Space turns a card. F2 new game, F3 Leads, F4 hint for 75 points, F6 score, F10 exit.</source>
        <translation>Les flèches déplacent, Espace retourne une carte. F2 nouvelle partie, F3 meilleurs scores, F4 indice pour 75 points, F6 score, F10 quitter.</translation>
    </message>
</context>
<context>
    <name>tavro::ComputerDialog</name>
    <message>
        <source>Against the computer</source>
        <translation>Contre l’ordinateur</translation>
    </message>
    <message>
        <source>&amp;Your name:</source>
        <translation>&amp;Votre nom :</translation>
    </message>
    <message>
        <source>The computer</source>
        <translation>L’ordinateur</translation>
    </message>
    <message>
        <source>&amp;Easy: it forgets quickly</source>
        <translation>&amp;Facile : il oublie vite</translation>
    </message>
    <message>
        <source>E&amp;ven: a close game</source>
        <translation>É&amp;quilibré : une partie serrée</translation>
    </message>
    <message>
        <source>&amp;Hard: it forgets nothing</source>
        <translation>&amp;Difficile : il n’oublie rien</translation>
    </message>
    <message>
        <source>&amp;Take turns to start</source>
        <translation>Commencer chacun son &amp;tour</translation>
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
    <name>tavro::GameOverDialog</name>
    <message>
        <source>&amp;Play again</source>
        <translation>&amp;Rejouer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>%1: %2 points, %3: %4 points.</source>
        <translation>%1 : %2 points, %3 : %4 points.</translation>
    </message>
</context>
<context>
    <name>tavro::HowToPlay</name>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Find the pairs among the %1 cards with as few mistakes as you can.</source>
        <translation>Trouvez les paires parmi les %1 cartes en faisant le moins d’erreurs possible.</translation>
    </message>
    <message>
        <source>The game</source>
        <translation>La partie</translation>
    </message>
    <message>
        <source>Click a card to turn it face up, then click a second one.</source>
        <translation>Cliquez sur une carte pour la retourner, puis sur une deuxième.</translation>
    </message>
    <message>
        <source>Two cards with the same picture are a pair: they stay face up. Two that differ turn back after the delay you set in Options.</source>
        <translation>Deux cartes portant la même image forment une paire&#xa0;: elles restent visibles. Deux cartes différentes se retournent après le délai choisi dans les options.</translation>
    </message>
    <message>
        <source>The game is over when all %1 cards are face up. A score good enough for the Leads asks for your name.</source>
        <translation>La partie est finie quand les %1 cartes sont toutes visibles. Si votre score entre dans les meilleurs scores, le jeu vous demande votre nom.</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Les points</translation>
    </message>
    <message>
        <source>A pair: %1 points.</source>
        <translation>Une paire&#xa0;: %1 points.</translation>
    </message>
    <message>
        <source>Two cards that differ: %1 points. The score may go below zero.</source>
        <translation>Deux cartes différentes&#xa0;: %1 points. Le score peut devenir négatif.</translation>
    </message>
    <message>
        <source>A hint (Game, Show!) marks a pair in blue for a moment: %1 points. A game has at most %2 hints.</source>
        <translation>Un indice (Jeu, Indice&#xa0;!) montre un instant une paire en bleu&#xa0;: %1 points. Une partie compte au plus %2 indices.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Les touches</translation>
    </message>
    <message>
        <source>Arrow keys: move the ring over the cards.</source>
        <translation>Flèches&#xa0;: déplacent le cadre sur les cartes.</translation>
    </message>
    <message>
        <source>Space or Enter: turn the card under the ring.</source>
        <translation>Espace ou Entrée&#xa0;: retourne la carte sous le cadre.</translation>
    </message>
    <message>
        <source>F1: this window.</source>
        <translation>F1&#xa0;: cette fenêtre.</translation>
    </message>
    <message>
        <source>F2: a new game.</source>
        <translation>F2&#xa0;: une nouvelle partie.</translation>
    </message>
    <message>
        <source>F3: the Leads, the best scores.</source>
        <translation>F3&#xa0;: les meilleurs scores.</translation>
    </message>
    <message>
        <source>F4: a hint.</source>
        <translation>F4&#xa0;: un indice.</translation>
    </message>
    <message>
        <source>F5: the statistics.</source>
        <translation>F5&#xa0;: les statistiques.</translation>
    </message>
    <message>
        <source>F6: say the score.</source>
        <translation>F6&#xa0;: dire le score.</translation>
    </message>
    <message>
        <source>F7: repeat the computer&apos;s last turn.</source>
        <translation>F7&#xa0;: répéter le dernier tour de l’ordinateur.</translation>
    </message>
    <message>
        <source>F10: exit.</source>
        <translation>F10&#xa0;: quitter.</translation>
    </message>
    <message>
        <source>Alt and the underlined letter of a menu: open that menu.</source>
        <translation>Alt et la lettre soulignée d’un menu&#xa0;: ouvrent ce menu.</translation>
    </message>
    <message>
        <source>In this window, Tab moves between the text and Close; Escape closes it.</source>
        <translation>Dans cette fenêtre, Tab passe du texte à «&#xa0;Fermer&#xa0;» et retour&#xa0;; Échap la ferme.</translation>
    </message>
    <message>
        <source>The Play menu</source>
        <translation>Le menu «&#xa0;Partie&#xa0;»</translation>
    </message>
    <message>
        <source>One player: the game on your own, as above.</source>
        <translation>Un joueur&#xa0;: vous jouez seul, comme ci-dessus.</translation>
    </message>
    <message>
        <source>Two players: two of you take turns at one screen. After a pair the same player goes again; after two cards that differ the turn passes. The hints are shared.</source>
        <translation>Deux joueurs&#xa0;: deux personnes jouent à tour de rôle sur un même écran. Après une paire, le même joueur rejoue&#xa0;; après deux cartes différentes, la main passe. Les indices sont partagés.</translation>
    </message>
    <message>
        <source>Against the computer: choose how strong it is, &quot;Easy&quot; (it forgets quickly), &quot;Even&quot; (a close game) or &quot;Hard&quot; (it forgets nothing). You begin every game, unless you check &quot;Take turns to start&quot;.</source>
        <translation>Contre l’ordinateur&#xa0;: choisissez sa force, «&#xa0;Facile&#xa0;» (il oublie vite), «&#xa0;Équilibré&#xa0;» (une partie serrée) ou «&#xa0;Difficile&#xa0;» (il n’oublie rien). Vous commencez chaque partie, sauf si vous cochez «&#xa0;Commencer chacun son tour&#xa0;».</translation>
    </message>
    <message>
        <source>Sounds: short sounds for a turned card, a pair, a miss, a hint and the end of a game.</source>
        <translation>Sons&#xa0;: de courts sons pour une carte retournée, une paire, un échec, un indice et la fin d’une partie.</translation>
    </message>
    <message>
        <source>Say the score (F6) and Repeat the computer&apos;s turn (F7) tell a screen reader the score, or the computer&apos;s last turn, once more.</source>
        <translation>«&#xa0;Dire le score&#xa0;» (F6) et «&#xa0;Répéter le tour de l’ordinateur&#xa0;» (F7) redisent à un lecteur d’écran le score, ou le dernier tour de l’ordinateur.</translation>
    </message>
    <message>
        <source>Record games keeps a record of the games you play, and Statistics (F5) shows how they went.</source>
        <translation>«&#xa0;Enregistrer les parties&#xa0;» garde une trace de vos parties, et «&#xa0;Statistiques&#xa0;» (F5) montre comment elles se sont passées.</translation>
    </message>
    <message>
        <source>Your choices in the Play menu are kept for the next start.</source>
        <translation>Vos choix dans le menu «&#xa0;Partie&#xa0;» sont conservés pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>Ctrl and +, Ctrl and −: larger or smaller cards; Ctrl and 0: the normal size.</source>
        <translation>Ctrl et +, Ctrl et −&#xa0;: des cartes plus grandes ou plus petites&#xa0;; Ctrl et 0&#xa0;: la taille normale.</translation>
    </message>
    <message>
        <source>Animate cards: the cards turn over, a pair lifts, and the end of a game is celebrated.</source>
        <translation>Animer les cartes&#xa0;: les cartes se retournent, une paire se soulève et la fin d’une partie est fêtée.</translation>
    </message>
    <message>
        <source>Card size: larger cards, up to what fits your screen; the whole window grows with them.</source>
        <translation>Taille des cartes&#xa0;: des cartes plus grandes, autant que votre écran le permet&#xa0;; toute la fenêtre grandit avec elles.</translation>
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
    <name>tavro::PlayMenu</name>
    <message>
        <source>&amp;One player</source>
        <translation>&amp;Un joueur</translation>
    </message>
    <message>
        <source>&amp;Two players…</source>
        <translation>&amp;Deux joueurs…</translation>
    </message>
    <message>
        <source>Against the &amp;computer…</source>
        <translation>Contre l’&amp;ordinateur…</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <translation>So&amp;ns</translation>
    </message>
    <message>
        <source>Say the &amp;score</source>
        <translation>Dire le &amp;score</translation>
    </message>
    <message>
        <source>&amp;Record games</source>
        <translation>&amp;Enregistrer les parties</translation>
    </message>
    <message>
        <source>St&amp;atistics…</source>
        <translation>Stat&amp;istiques…</translation>
    </message>
    <message>
        <source>Re&amp;peat the computer&apos;s turn</source>
        <translation>Ré&amp;péter le tour de l’ordinateur</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
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
        <translation>&amp;Ajuster à l’écran</translation>
    </message>
    <message>
        <source>&amp;Larger</source>
        <translation>A&amp;grandir</translation>
    </message>
    <message>
        <source>&amp;Smaller</source>
        <translation>&amp;Réduire</translation>
    </message>
    <message>
        <source>N&amp;ormal size</source>
        <translation>Taille n&amp;ormale</translation>
    </message>
    <message>
        <source>Card si&amp;ze</source>
        <translation>&amp;Taille des cartes</translation>
    </message>
    <message>
        <source>A&amp;nimate cards</source>
        <translation>&amp;Animer les cartes</translation>
    </message>
</context>
<context>
    <name>tavro::PlayerNames</name>
    <message>
        <source>Player 2</source>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Joueur 1</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tavro::PlayersLine</name>
    <message>
        <source>to play</source>
        <translation>à jouer</translation>
    </message>
    <message>
        <source>a draw</source>
        <translation>égalité</translation>
    </message>
    <message>
        <source>wins</source>
        <translation>gagne</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The computer starts</source>
        <translation>L’ordinateur commence</translation>
    </message>
    <message>
        <source>%1 starts</source>
        <translation>%1 commence</translation>
    </message>
</context>
<context>
    <name>tavro::RecordWriter</name>
    <message>
        <source>The record of games in %1 was made by a newer version of Tavro Memory, so games are not recorded in it.</source>
        <translation>L’historique des parties dans %1 a été créé par une version plus récente de Tavro Memory&#xa0;: les parties n’y sont donc pas enregistrées.</translation>
    </message>
    <message>
        <source>Games can&apos;t be recorded in %1 (%2). You can play on; this is said only once.</source>
        <translation>Les parties ne peuvent pas être enregistrées dans %1 (%2). Vous pouvez continuer à jouer&#xa0;; ce message n’apparaît qu’une fois.</translation>
    </message>
    <message>
        <source>Games can&apos;t be recorded in %1: there is no space left on the disk. You can play on; this is said only once.</source>
        <translation>Les parties ne peuvent pas être enregistrées dans %1&#xa0;: il ne reste plus de place sur le disque. Vous pouvez continuer à jouer&#xa0;; ce message n’apparaît qu’une fois.</translation>
    </message>
</context>
<context>
    <name>tavro::RecordsDatabase</name>
    <message>
        <source>The record of games was damaged (%1). It has been moved to %2, and a new record is kept from now on.</source>
        <translation>L’historique des parties était endommagé (%1). Il a été déplacé vers %2, et un nouvel historique est tenu désormais.</translation>
    </message>
</context>
<context>
    <name>tavro::RecordsMessages</name>
    <message>
        <source>The record of games in %1 was made by a newer version of Tavro Memory. It is shown as far as this version can read it, and it can&apos;t be cleared here.</source>
        <translation>L’historique des parties dans %1 a été créé par une version plus récente de Tavro Memory. Il est affiché dans la mesure où cette version peut le lire, et il ne peut pas être effacé ici.</translation>
    </message>
    <message>
        <source>The record of games in %1 is shown read-only, as its folder can&apos;t be written. It can&apos;t be cleared, and no games are recorded in it.</source>
        <translation>L’historique des parties dans %1 est affiché en lecture seule, car son dossier n’est pas accessible en écriture. Il ne peut pas être effacé, et aucune partie n’y est enregistrée.</translation>
    </message>
    <message>
        <source>The record of games in %1 is shown read-only, as you may not change the file (it belongs to another user, or it is write-protected). It can&apos;t be cleared, and no games are recorded in it.</source>
        <translation>L’historique des parties dans %1 est affiché en lecture seule, car vous ne pouvez pas modifier le fichier (il appartient à un autre utilisateur ou il est protégé en écriture). Il ne peut pas être effacé, et aucune partie n’y est enregistrée.</translation>
    </message>
    <message>
        <source>The record of games in %1 is damaged (%2).</source>
        <translation>L’historique des parties dans %1 est endommagé (%2).</translation>
    </message>
    <message>
        <source>The record of games in %1 can&apos;t be read or changed (%2).</source>
        <translation>L’historique des parties dans %1 ne peut être ni lu ni modifié (%2).</translation>
    </message>
    <message>
        <source>The record of games (%1) is locked by another program, perhaps another copy of Tavro Memory.</source>
        <translation>L’historique des parties (%1) est verrouillé par un autre programme, peut-être une autre copie de Tavro Memory.</translation>
    </message>
    <message>
        <source>There is no space left on the disk for %1.</source>
        <translation>Il ne reste plus de place sur le disque pour %1.</translation>
    </message>
</context>
<context>
    <name>tavro::ScoreChart</name>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
</context>
<context>
    <name>tavro::StatisticsTables</name>
    <message>
        <source>Two players</source>
        <translation>Deux joueurs</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Contre l’ordinateur</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Un joueur</translation>
    </message>
    <message>
        <source>Left for a new game</source>
        <translation>Abandonnée pour une nouvelle partie</translation>
    </message>
    <message>
        <source>Left by a change in Options</source>
        <translation>Abandonnée par un changement d’options</translation>
    </message>
    <message>
        <source>Left by a change of players</source>
        <translation>Abandonnée par un changement de joueurs</translation>
    </message>
    <message>
        <source>Left by Exit</source>
        <translation>Abandonnée en quittant</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminée</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Jeu de cartes</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Turns</source>
        <translation>Tours</translation>
    </message>
    <message>
        <source>Mismatches</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Indices</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jouées</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>Meilleure série</translation>
    </message>
    <message>
        <source>Against the computer (easy)</source>
        <translation>Contre l’ordinateur (facile)</translation>
    </message>
    <message>
        <source>Against the computer (hard)</source>
        <translation>Contre l’ordinateur (difficile)</translation>
    </message>
    <message>
        <source>Against the computer (even)</source>
        <translation>Contre l’ordinateur (équilibré)</translation>
    </message>
</context>
<context>
    <name>tavro::StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Sets and modes</source>
        <translation>Jeux de cartes et modes</translation>
    </message>
    <message>
        <source>&amp;Sets and modes:</source>
        <translation>&amp;Jeux de cartes et modes&#xa0;:</translation>
    </message>
    <message>
        <source>Chart of the scores over time</source>
        <translation>Graphique des scores au fil du temps</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Recent games</source>
        <translation>Parties récentes</translation>
    </message>
    <message>
        <source>&amp;Recent games:</source>
        <translation>&amp;Parties récentes&#xa0;:</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>&amp;Trier par&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Export to CSV…</source>
        <translation>&amp;Exporter en CSV…</translation>
    </message>
    <message>
        <source>&amp;Clear statistics…</source>
        <translation>E&amp;ffacer les statistiques…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No games recorded yet.</source>
        <translation>Aucune partie enregistrée pour l’instant.</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Games exported to %1: %2.</source>
        <translation>Parties exportées vers %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Clear statistics</source>
        <translation>Effacer les statistiques</translation>
    </message>
    <message>
        <source>Clear the record of every game played? This can&apos;t be undone.</source>
        <translation>Effacer l’historique de toutes les parties jouées&#xa0;? Cela ne peut pas être annulé.</translation>
    </message>
    <message>
        <source>Exporting the games to %1…</source>
        <translation>Exportation des parties vers %1…</translation>
    </message>
    <message>
        <source>Clearing the record of games…</source>
        <translation>Effacement de l’historique des parties…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The export was cancelled; no file was written.</source>
        <translation>L’exportation a été annulée&#xa0;; aucun fichier n’a été écrit.</translation>
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
        <source>&amp;Play</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>The statistics can&apos;t be shown: %1</source>
        <translation>Les statistiques ne peuvent pas être affichées&#xa0;: %1</translation>
    </message>
    <message>
        <source>face down %1</source>
        <translation>face cachée %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Sounds on.</source>
        <translation>Sons activés.</translation>
    </message>
    <message>
        <source>Sounds off.</source>
        <translation>Sons désactivés.</translation>
    </message>
    <message>
        <source>the picture can&apos;t be read</source>
        <translation>l&apos;image ne peut pas être lue</translation>
    </message>
    <message>
        <source>The sound system does not answer. The sounds stay off until Tavro Memory is started again.</source>
        <translation>Le système audio ne répond pas. Les sons restent coupés jusqu’au prochain démarrage de Tavro Memory.</translation>
    </message>
    <message>
        <source>How to &amp;play</source>
        <translation>Comment &amp;jouer</translation>
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
        <source>%1 can&apos;t be stored in the high scores</source>
        <translation>Impossible d&apos;enregistrer %1 dans les meilleurs scores</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>A new high score: %1 points.</source>
        <translation>Un nouveau record&#xa0;: %1 points.</translation>
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
        <source>Preview of the cards</source>
        <translation>Aperçu des cartes</translation>
    </message>
    <message>
        <source>Delay in seconds</source>
        <translation>Délai en secondes</translation>
    </message>
    <message>
        <source>Cards: %1</source>
        <translation>Cartes&#xa0;: %1</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>Cards: %1, first</source>
        <translation>Cartes&#xa0;: %1, première</translation>
    </message>
    <message>
        <source>Cards: %1, last</source>
        <translation>Cartes&#xa0;: %1, dernière</translation>
    </message>
    <message>
        <source>Cards: %1, the only set</source>
        <translation>Cartes&#xa0;: %1, le seul jeu</translation>
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
<context>
    <name>tavro::TrendText</name>
    <message>
        <source>No games recorded yet.</source>
        <translation>Aucune partie enregistrée pour l’instant.</translation>
    </message>
    <message>
        <source>Games played: %1, finished: %2, best streak: %3 in a row.</source>
        <translation>Parties jouées&#xa0;: %1, terminées&#xa0;: %2, meilleure série&#xa0;: %3 d’affilée.</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Aucune partie terminée pour l’instant.</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <extracomment>The best game&apos;s day in &quot;Best 1700 on 3 March&quot; (a QDate format).</extracomment>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Best %1 on %2; the finished games so far average %3.</source>
        <translation>Meilleur score %1 le %2&#xa0;; les parties terminées jusqu’ici font en moyenne %3.</translation>
    </message>
    <message>
        <source>Best %1 on %2; last ten games average %3, up from %4.</source>
        <translation>Meilleur score %1 le %2&#xa0;; moyenne des dix dernières parties %3, en hausse par rapport à %4.</translation>
    </message>
    <message>
        <source>Best %1 on %2; last ten games average %3, down from %4.</source>
        <translation>Meilleur score %1 le %2&#xa0;; moyenne des dix dernières parties %3, en baisse par rapport à %4.</translation>
    </message>
    <message>
        <source>Best %1 on %2; last ten games average %3, the same as before (%4).</source>
        <translation>Meilleur score %1 le %2&#xa0;; moyenne des dix dernières parties %3, comme avant (%4).</translation>
    </message>
</context>
<context>
    <name>tavro::TwoPlayersDialog</name>
    <message>
        <source>Two players</source>
        <translation>Deux joueurs</translation>
    </message>
    <message>
        <source>&amp;First player:</source>
        <translation>&amp;Premier joueur :</translation>
    </message>
    <message>
        <source>&amp;Second player:</source>
        <translation>&amp;Second joueur :</translation>
    </message>
</context>
<context>
    <name>tavro::cardmaker::CropView</name>
    <message>
        <source>Part of the picture on the card</source>
        <translation>Partie de l’image sur la carte</translation>
    </message>
    <message>
        <source>Drag the square, or move it with the arrow keys. The mouse wheel, or the + and - keys, make it smaller or larger.</source>
        <translation>Faites glisser le carré, ou déplacez-le avec les touches fléchées. La molette de la souris, ou les touches + et -, le rendent plus petit ou plus grand.</translation>
    </message>
</context>
<context>
    <name>tavro::cardmaker::MakerWindow</name>
    <message>
        <source>Tavro Memory Card Maker</source>
        <translation>Créateur de cartes Tavro Memory</translation>
    </message>
    <message>
        <source>Set &amp;name:</source>
        <translation>&amp;Nom du jeu :</translation>
    </message>
    <message>
        <source>&amp;Add pictures...</source>
        <translation>&amp;Ajouter des images...</translation>
    </message>
    <message>
        <source>Card faces</source>
        <translation>Faces des cartes</translation>
    </message>
    <message>
        <source>A card set needs exactly 18 different pictures, one for each pair of cards, and a name no other set has. Drop pictures or a folder of pictures onto this window, or add them with the button.</source>
        <translation>Un jeu de cartes demande exactement 18 images différentes, une par paire de cartes, et un nom qu’aucun autre jeu ne porte. Déposez des images ou un dossier d’images sur cette fenêtre, ou ajoutez-les avec le bouton.</translation>
    </message>
    <message>
        <source>&amp;Save set</source>
        <translation>&amp;Enregistrer le jeu</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>No&amp;m :</translation>
    </message>
    <message>
        <source>&amp;Remove picture</source>
        <translation>&amp;Retirer l’image</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>A picture of my own...</source>
        <translation>Une image à moi...</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>These pictures were not added:</source>
        <translation>Ces images n’ont pas été ajoutées :</translation>
    </message>
    <message>
        <source>Picture for the card back</source>
        <translation>Image pour le dos des cartes</translation>
    </message>
    <message>
        <source>Saving replaces it.</source>
        <translation>L’enregistrement le remplace.</translation>
    </message>
    <message>
        <source>Ready to save.</source>
        <translation>Prêt à enregistrer.</translation>
    </message>
    <message>
        <source>Replace your card set &quot;%1&quot; with the new one?</source>
        <translation>Remplacer votre jeu de cartes « %1 » par le nouveau ?</translation>
    </message>
    <message>
        <source>Saved in %1. The game&apos;s Options list the set the next time they open.</source>
        <translation>Enregistré dans %1. Les options du jeu affichent le jeu la prochaine fois qu’elles s’ouvrent.</translation>
    </message>
    <message>
        <source>Click to choose the part of your picture on the back.</source>
        <translation>Cliquez pour choisir la partie de votre image sur le dos.</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom out: a larger part of the picture on the card (-)</source>
        <translation>Zoom arrière : une plus grande partie de l’image sur la carte (-)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom in: a smaller part of the picture on the card (+)</source>
        <translation>Zoom avant : une plus petite partie de l’image sur la carte (+)</translation>
    </message>
    <message>
        <source>Drag the square to choose the part on the card; the wheel zooms.</source>
        <translation>Faites glisser le carré sur la partie à mettre sur la carte ; la molette zoome.</translation>
    </message>
    <message>
        <source>Re&amp;place...</source>
        <translation>Rem&amp;placer...</translation>
    </message>
    <message>
        <source>Put another picture in this one&apos;s place.</source>
        <translation>Mettre une autre image à la place de celle-ci.</translation>
    </message>
    <message>
        <source>&amp;Keep pictures that look alike</source>
        <translation>&amp;Garder les images qui se ressemblent</translation>
    </message>
    <message>
        <source>Take pictures that look like one another all the same: their cards may be hard to tell apart.</source>
        <translation>Accepter quand même des images qui se ressemblent : leurs cartes pourront être difficiles à distinguer.</translation>
    </message>
    <message>
        <source>%v of %m pictures read</source>
        <translation>%v images lues sur %m</translation>
    </message>
    <message>
        <source>Pictures read</source>
        <translation>Images lues</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Stop reading pictures: those read so far stay.</source>
        <translation>Arrêter de lire les images : celles déjà lues restent.</translation>
    </message>
    <message>
        <source>Picture in place of &quot;%1&quot;</source>
        <translation>Image à la place de « %1 »</translation>
    </message>
    <message>
        <source>looks like &apos;%1&apos;</source>
        <translation>ressemble à « %1 »</translation>
    </message>
    <message>
        <source>This picture %1: their cards would be hard to tell apart.</source>
        <translation>Cette image %1 : leurs cartes seraient difficiles à distinguer.</translation>
    </message>
    <message>
        <source>This set&apos;s own back</source>
        <translation>Le dos propre à ce jeu</translation>
    </message>
    <message>
        <source>%1: left out, as its name is not that of a picture file</source>
        <translation>%1 : laissé de côté, car son nom n’est pas celui d’un fichier image</translation>
    </message>
    <message>
        <source>This card set comes with the game: save your changes under a name of your own.</source>
        <translation>Ce jeu de cartes est fourni avec le jeu : enregistrez vos modifications sous un nom à vous.</translation>
    </message>
    <message>
        <source>Opening the card set was cancelled.</source>
        <translation>L’ouverture du jeu de cartes a été annulée.</translation>
    </message>
    <message>
        <source>These pictures of the set could not be read:</source>
        <translation>Ces images du jeu n’ont pas pu être lues :</translation>
    </message>
    <message>
        <source>Saving renames your card set &quot;%1&quot; to &quot;%2&quot;.</source>
        <translation>L’enregistrement renomme votre jeu de cartes « %1 » en « %2 ».</translation>
    </message>
    <message>
        <source>Do you want to save the new card set?</source>
        <translation>Voulez-vous enregistrer le nouveau jeu de cartes ?</translation>
    </message>
    <message>
        <source>Do you want to save the changes to the card set &quot;%1&quot;?</source>
        <translation>Voulez-vous enregistrer les modifications du jeu de cartes « %1 » ?</translation>
    </message>
    <message>
        <source>Your changes are lost if you don&apos;t save them.</source>
        <translation>Vos modifications seront perdues si vous ne les enregistrez pas.</translation>
    </message>
    <message>
        <source>It cannot be saved yet:</source>
        <translation>Il ne peut pas encore être enregistré :</translation>
    </message>
    <message>
        <source>Move your card set &quot;%1&quot; to the trash?</source>
        <translation>Mettre votre jeu de cartes « %1 » à la corbeille ?</translation>
    </message>
    <message>
        <source>You can restore it from the trash.</source>
        <translation>Vous pourrez le restaurer depuis la corbeille.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was moved to the trash.</source>
        <translation>« %1 » a été mis à la corbeille.</translation>
    </message>
    <message>
        <source>All changes are saved.</source>
        <translation>Toutes les modifications sont enregistrées.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
</context>
<context>
    <name>tavro::cardmaker::SetList</name>
    <message>
        <source>Card se&amp;ts</source>
        <translation>&amp;Jeux de cartes</translation>
    </message>
    <message>
        <source>Card sets</source>
        <translation>Jeux de cartes</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Remo&amp;ve...</source>
        <translation>Mettre à la &amp;corbeille...</translation>
    </message>
    <message>
        <source>Move the card set to the trash, from where it can be restored.</source>
        <translation>Mettre le jeu de cartes à la corbeille, d’où il peut être restauré.</translation>
    </message>
    <message>
        <source>Ne&amp;w set</source>
        <translation>Nou&amp;veau jeu</translation>
    </message>
    <message>
        <source>%1 (comes with the game)</source>
        <translation>%1 (fourni avec le jeu)</translation>
    </message>
    <message>
        <source>Comes with the game: open it as a starting point for a set of your own.</source>
        <translation>Fourni avec le jeu : ouvrez-le comme point de départ d’un jeu à vous.</translation>
    </message>
</context>
</TS>
