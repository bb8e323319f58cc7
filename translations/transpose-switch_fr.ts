<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ControlColumn</name>
    <message>
        <source>Network size N: N by N terminals on the top face, N by N by N switches</source>
        <translation>Taille N du réseau&#xa0;: N × N terminaux sur la face supérieure, N × N × N commutateurs</translation>
    </message>
    <message>
        <source>N:</source>
        <translation>N&#xa0;:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The family of switches with %1</source>
        <translation>La famille des commutateurs tels que %1</translation>
    </message>
    <message>
        <source>Highlight the switches with %1</source>
        <translation>Surligner les commutateurs tels que %1</translation>
    </message>
    <message>
        <source>Draw the plane %1</source>
        <translation>Dessiner le plan %1</translation>
    </message>
    <message>
        <source>Draw the plane %1 solid instead of dotted</source>
        <translation>Dessiner le plan %1 en trait plein plutôt qu&apos;en pointillés</translation>
    </message>
    <message>
        <source>The offset %1 of the planes %2</source>
        <translation>Le décalage %1 des plans %2</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>How a marked terminal&apos;s route is drawn: its own path or the whole wires it uses</source>
        <translation>Comment le chemin d&apos;un terminal marqué est dessiné&#xa0;: son propre tracé ou les fils entiers qu&apos;il emprunte</translation>
    </message>
    <message>
        <source>path</source>
        <translation>tracé</translation>
    </message>
    <message>
        <source>wire</source>
        <translation>fil</translation>
    </message>
    <message>
        <source>Wires</source>
        <translation>Fils</translation>
    </message>
    <message>
        <source>Which wires are drawn dashed: none, those every terminal&apos;s route uses, or all</source>
        <translation>Quels fils sont dessinés en tirets&#xa0;: aucun, ceux qu&apos;empruntent les chemins des terminaux, ou tous</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>used</source>
        <translation>utilisés</translation>
    </message>
    <message>
        <source>all</source>
        <translation>tous</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Commutateurs</translation>
    </message>
    <message>
        <source>How switches are drawn: filled, as frames, or only where highlighted</source>
        <translation>Comment les commutateurs sont dessinés&#xa0;: pleins, en cadres, ou seulement là où ils sont surlignés</translation>
    </message>
    <message>
        <source>fill</source>
        <translation>pleins</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>cadres</translation>
    </message>
    <message>
        <source>hilite</source>
        <translation>surligner</translation>
    </message>
    <message>
        <source>plane</source>
        <translation>plan</translation>
    </message>
    <message>
        <source>opaque</source>
        <translation>opaque</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>OpenGL here draws pictures of at most %1 × %1 pixels; a larger one can be exported for print or as SVG or PDF.</source>
        <translation>Ici, OpenGL dessine des images d&apos;au plus %1 × %1 pixels&#xa0;; une image plus grande peut être exportée pour l&apos;impression, ou en SVG ou en PDF.</translation>
    </message>
    <message>
        <source>The picture could not be drawn off screen.</source>
        <translation>L&apos;image n&apos;a pas pu être dessinée hors écran.</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>&amp;Fit the model to the picture</source>
        <translation>&amp;Ajuster le modèle à l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Caption: N, the offsets and the lesson&apos;s title</source>
        <translation>&amp;Légende&#xa0;: N, les décalages et le titre de la leçon</translation>
    </message>
    <message>
        <source>&amp;Legend: the marked routes, where each starts and ends</source>
        <translation>Liste des &amp;chemins&#xa0;: les chemins marqués, avec le départ et l&apos;arrivée de chacun</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>Exporter le polycopié</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>PNG pictures in a folder, one per scene</source>
        <translation>Images PNG dans un dossier, une par scène</translation>
    </message>
    <message>
        <source>SVG drawings in a folder, one per scene</source>
        <translation>Dessins SVG dans un dossier, un par scène</translation>
    </message>
    <message>
        <source>PDF handout, a page per scene with its title and notes</source>
        <translation>Polycopié PDF, une page par scène avec son titre et ses notes</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Dessin SVG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Document PDF</translation>
    </message>
    <message>
        <source>As on screen (black)</source>
        <translation>Comme à l&apos;écran (noir)</translation>
    </message>
    <message>
        <source>For print (white)</source>
        <translation>Pour l&apos;impression (blanc)</translation>
    </message>
    <message>
        <source>Off: exactly what the window shows</source>
        <translation>Décoché&#xa0;: exactement ce que montre la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormat&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Fond&#xa0;:</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>The page; default: A4 portrait</source>
        <translation>La page&#xa0;; par défaut&#xa0;: A4 portrait</translation>
    </message>
    <message>
        <source>Default: A5 landscape</source>
        <translation>Par défaut&#xa0;: A5 paysage</translation>
    </message>
    <message>
        <source>Default: the view, %1 × %2 pixels</source>
        <translation>Par défaut&#xa0;: la vue, %1 × %2 pixels</translation>
    </message>
</context>
<context>
    <name>FigureExport</name>
    <message>
        <source>&amp;Export Image...</source>
        <translation>E&amp;xporter l&apos;image...</translation>
    </message>
    <message>
        <source>Export &amp;Handout...</source>
        <translation>Exporter le &amp;polycopié...</translation>
    </message>
    <message>
        <source>Every scene of the lesson: a PDF of a page each, or a folder of pictures</source>
        <translation>Chaque scène de la leçon&#xa0;: un PDF d&apos;une page par scène, ou un dossier d&apos;images</translation>
    </message>
    <message>
        <source>&amp;Copy Image</source>
        <translation>&amp;Copier l&apos;image</translation>
    </message>
    <message>
        <source>PNG pictures (*.png);;Other pictures (*.jpg *.bmp *.ppm)</source>
        <translation>Images PNG (*.png);;Autres images (*.jpg *.bmp *.ppm)</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>;;All files (*)</source>
        <translation>;;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>Exporter le polycopié</translation>
    </message>
    <message>
        <source> handout</source>
        <translation> polycopié</translation>
    </message>
    <message>
        <source>Export Handout: the folder for its files</source>
        <translation>Exporter le polycopié&#xa0;: le dossier de ses fichiers</translation>
    </message>
    <message>
        <source>The handout could not be exported to %1:
%2</source>
        <translation>Le polycopié n&apos;a pas pu être exporté vers %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The picture could not be exported to %1:
%2</source>
        <translation>L&apos;image n&apos;a pas pu être exportée vers %1&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>GLBox</name>
    <message>
        <source>3D view of the network</source>
        <translation>Vue 3D du réseau</translation>
    </message>
</context>
<context>
    <name>GLObjectWindow</name>
    <message>
        <source>The lesson could not be opened.
%1</source>
        <translation>La leçon n&apos;a pas pu être ouverte.
%1</translation>
    </message>
    <message>
        <source>Transpose Switch</source>
        <translation>Transpose Switch</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Lesson &amp;Notes...</source>
        <translation>&amp;Notes de la leçon...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Focus on Marked Routes</source>
        <translation>Faire &amp;ressortir les chemins marqués</translation>
    </message>
    <message>
        <source>Draw the boxes that no marked route touches as faint frames</source>
        <translation>Dessiner en cadres pâles les boîtes qu&apos;aucun chemin marqué ne touche</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>É&amp;tiquettes</translation>
    </message>
    <message>
        <source>Routes</source>
        <translation>Chemins</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>Scènes</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>E&amp;xercice</translation>
    </message>
    <message>
        <source>&amp;Start Practice...</source>
        <translation>&amp;Commencer un exercice...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Keys and Mouse</source>
        <translation>Clavier et souris</translation>
    </message>
    <message>
        <source>Drag with any button</source>
        <translation>Glisser avec n&apos;importe quel bouton</translation>
    </message>
    <message>
        <source>Turn the model (5 pixels make a degree)</source>
        <translation>Tourner le modèle (5 pixels font un degré)</translation>
    </message>
    <message>
        <source>Click with the left, middle or right button</source>
        <translation>Clic avec le bouton gauche, du milieu ou droit</translation>
    </message>
    <message>
        <source>Toggle a red, green or blue mark on a terminal or switch</source>
        <translation>Poser ou retirer une marque rouge, verte ou bleue sur un terminal ou un commutateur</translation>
    </message>
    <message>
        <source>Click on empty space, or Escape</source>
        <translation>Clic dans le vide, ou Escape</translation>
    </message>
    <message>
        <source>Clear every mark (Escape while stepping a route only ends the stepping)</source>
        <translation>Effacer toutes les marques (Escape pendant le parcours d&apos;un chemin ne fait que terminer le parcours)</translation>
    </message>
    <message>
        <source>Period, Comma, P</source>
        <translation>Period, Comma, P</translation>
    </message>
    <message>
        <source>Step the chosen route one leg further or back, play or pause it</source>
        <translation>Avancer ou reculer d&apos;un tronçon sur le chemin choisi, le lire ou le mettre en pause</translation>
    </message>
    <message>
        <source>Shift+drag with any button</source>
        <translation>Shift+glisser avec n&apos;importe quel bouton</translation>
    </message>
    <message>
        <source>Move the picture in the view&apos;s plane</source>
        <translation>Déplacer l&apos;image dans le plan de la vue</translation>
    </message>
    <message>
        <source>Mouse wheel</source>
        <translation>Molette de la souris</translation>
    </message>
    <message>
        <source>Zoom in and out about the point under the pointer</source>
        <translation>Zoomer et dézoomer autour du point sous le pointeur</translation>
    </message>
    <message>
        <source>+ and -</source>
        <translation>+ et -</translation>
    </message>
    <message>
        <source>Zoom in and out about the view&apos;s centre</source>
        <translation>Zoomer et dézoomer autour du centre de la vue</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Touches fléchées</translation>
    </message>
    <message>
        <source>Turn the model 5 degrees, as a drag of 25 pixels would; with Shift, 1 degree</source>
        <translation>Tourner le modèle de 5 degrés, comme le ferait un glissement de 25 pixels&#xa0;; avec Shift, de 1 degré</translation>
    </message>
    <message>
        <source>Ctrl+arrow keys</source>
        <translation>Ctrl+touches fléchées</translation>
    </message>
    <message>
        <source>Move the picture by a twentieth of the view</source>
        <translation>Déplacer l&apos;image d&apos;un vingtième de la vue</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Back to the start view: angles 0, 0, no zoom and no move</source>
        <translation>Retour à la vue de départ&#xa0;: angles 0, 0, sans zoom ni déplacement</translation>
    </message>
    <message>
        <source>Ctrl+Z, Ctrl+Shift+Z or Ctrl+Y</source>
        <translation>Ctrl+Z, Ctrl+Shift+Z ou Ctrl+Y</translation>
    </message>
    <message>
        <source>Undo and redo changes of the marks, the size and the offsets</source>
        <translation>Annuler et rétablir les modifications des marques, de la taille et des décalages</translation>
    </message>
    <message>
        <source>Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+Shift+S</source>
        <translation>Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>New lesson, open a lesson, save it, save it as</source>
        <translation>Nouvelle leçon, ouvrir une leçon, l&apos;enregistrer, l&apos;enregistrer sous</translation>
    </message>
    <message>
        <source>Ctrl+E, Ctrl+C</source>
        <translation>Ctrl+E, Ctrl+C</translation>
    </message>
    <message>
        <source>Export a figure (PNG, SVG or PDF), copy the picture to the clipboard</source>
        <translation>Exporter une figure (PNG, SVG ou PDF), copier l&apos;image dans le presse-papiers</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>Full screen, for a projector</source>
        <translation>Plein écran, pour un vidéoprojecteur</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Present the lesson&apos;s scenes one after another, full screen; F5 or Escape leaves</source>
        <translation>Présenter les scènes de la leçon l&apos;une après l&apos;autre, en plein écran&#xa0;; F5 ou Escape pour quitter</translation>
    </message>
    <message>
        <source>PageDown, Space, Right or a click on empty space</source>
        <translation>PageDown, Space, Right ou un clic dans le vide</translation>
    </message>
    <message>
        <source>While presenting: the next scene (PageUp, Left, Backspace: the one before; Home, End: the first, the last)</source>
        <translation>Pendant la présentation&#xa0;: la scène suivante (PageUp, Left, Backspace&#xa0;: la précédente&#xa0;; Home, End&#xa0;: la première, la dernière)</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&lt;p&gt;The keys work while the view has the keyboard focus (click it or Tab to it).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Les touches agissent quand la vue a le focus clavier (cliquez dessus ou atteignez-la avec Tab).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Illustrates Tervain&apos;s Transpose Switch&lt;br&gt;Intended to illustrate the structure&lt;br&gt;and behavior of the switch network.&lt;br&gt;&lt;br&gt;Written By Orvel Stane&lt;br&gt;ostane@transpose-switch.invalid&lt;br&gt;&lt;br&gt;First draft: 12 hours&lt;br&gt;Added Features: 8 hours&lt;br&gt;Minor Adjustments: 0.5 hours&lt;br&gt;Total: 20.5 Hours</source>
        <translation>Illustre le Transpose Switch de Tervain&lt;br&gt;Destiné à illustrer la structure&lt;br&gt;et le comportement du réseau de commutateurs.&lt;br&gt;&lt;br&gt;Écrit par Orvel Stane&lt;br&gt;ostane@transpose-switch.invalid&lt;br&gt;&lt;br&gt;Première version&#xa0;: 12 heures&lt;br&gt;Fonctionnalités ajoutées&#xa0;: 8 heures&lt;br&gt;Petits ajustements&#xa0;: 0,5 heure&lt;br&gt;Total&#xa0;: 20,5 heures</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Ouvrir une leçon</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Langue</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>&quot;%1&quot; must be a whole number</source>
        <translation>&quot;%1&quot; doit être un nombre entier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object</source>
        <translation>&quot;%1&quot; doit être un objet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list</source>
        <translation>&quot;%1&quot; doit être une liste</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list of %2</source>
        <translation>&quot;%1&quot; doit être une liste de %2 éléments</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>&quot;%1&quot; doit être un texte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one of %2, not &quot;%3&quot;</source>
        <translation>&quot;%1&quot; doit valoir l&apos;une des valeurs %2, pas &quot;%3&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be from %2 to %3, not %4</source>
        <translation>&quot;%1&quot; doit être compris entre %2 et %3, pas %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be from %2 to %3 at size %3, not %4</source>
        <translation>&quot;%1&quot; doit être compris entre %2 et %3 pour la taille %3, pas %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>&quot;%1&quot; doit valoir true ou false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must name one &quot;terminal&quot; or one &quot;switch&quot;</source>
        <translation>&quot;%1&quot; doit nommer un seul &quot;terminal&quot; ou un seul &quot;switch&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies outside the network of size %2</source>
        <translation>&quot;%1&quot; est hors du réseau de taille %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no colour</source>
        <translation>&quot;%1&quot; ne nomme aucune couleur</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be from 0 to %2, the legs of that route, not %3</source>
        <translation>&quot;%1&quot; doit être compris entre 0 et %2, les tronçons de ce chemin, pas %3</translation>
    </message>
    <message>
        <source>&quot;%1[%2]&quot; must be a finite number</source>
        <translation>&quot;%1[%2]&quot; doit être un nombre fini</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number from %2 to %3</source>
        <translation>&quot;%1&quot; doit être un nombre compris entre %2 et %3</translation>
    </message>
    <message>
        <source>&quot;%1[%2]&quot; must be a number from %3 to %4</source>
        <translation>&quot;%1[%2]&quot; doit être un nombre compris entre %3 et %4</translation>
    </message>
    <message>
        <source>&quot;practice.seed&quot; must be from 0 to %1, not %2</source>
        <translation>&quot;practice.seed&quot; doit être compris entre 0 et %1, pas %2</translation>
    </message>
    <message>
        <source>&quot;practice.questions&quot; must be from 1 to %1, not %2</source>
        <translation>&quot;practice.questions&quot; doit être compris entre 1 et %1, pas %2</translation>
    </message>
    <message>
        <source>not a lesson: &quot;format&quot; must be &quot;%1&quot;</source>
        <translation>n&apos;est pas une leçon&#xa0;: &quot;format&quot; doit valoir &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;version&quot; is missing</source>
        <translation>&quot;version&quot; est absent</translation>
    </message>
    <message>
        <source>made by a newer version of the program (lesson version %1)</source>
        <translation>provient d&apos;une version plus récente du programme (version de leçon %1)</translation>
    </message>
    <message>
        <source>&quot;version&quot; must be 1 or 2</source>
        <translation>&quot;version&quot; doit valoir 1 ou 2</translation>
    </message>
    <message>
        <source>&quot;scenes&quot; must be a list of at least one object</source>
        <translation>&quot;scenes&quot; doit être une liste d&apos;au moins un objet</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>not JSON: %1 at %2</source>
        <translation>n&apos;est pas du JSON&#xa0;: %1 à la %2</translation>
    </message>
    <message>
        <source>not a lesson: the file holds no JSON object</source>
        <translation>n&apos;est pas une leçon&#xa0;: le fichier ne contient aucun objet JSON</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>le nom de fichier est vide</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>is a folder, not a lesson</source>
        <translation>est un dossier, pas une leçon</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>is larger than 1 MiB, too large for a lesson</source>
        <translation>dépasse 1 Mio, trop gros pour une leçon</translation>
    </message>
</context>
<context>
    <name>LessonFiles</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir une leçon &amp;récente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Ouvrir une leçon</translation>
    </message>
    <message>
        <source>&amp;Example Lessons</source>
        <translation>&amp;Leçons d&apos;exemple</translation>
    </message>
    <message>
        <source>Lessons (*.%1);;All files (*)</source>
        <translation>Leçons (*.%1);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The lesson could not be opened.
%1</source>
        <translation>La leçon n&apos;a pas pu être ouverte.
%1</translation>
    </message>
    <message>
        <source>lesson</source>
        <translation>leçon</translation>
    </message>
    <message>
        <source>Save Lesson</source>
        <translation>Enregistrer la leçon</translation>
    </message>
    <message>
        <source>The lesson could not be saved.
%1</source>
        <translation>La leçon n&apos;a pas pu être enregistrée.
%1</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; has changes that are not saved.
Save them first?</source>
        <translation>La leçon «&#xa0;%1&#xa0;» contient des modifications non enregistrées.
Voulez-vous d&apos;abord les enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
</context>
<context>
    <name>LessonNotes</name>
    <message>
        <source>Lesson Notes</source>
        <translation>Notes de la leçon</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notes&#xa0;:</translation>
    </message>
    <message>
        <source>Scene %1 t&amp;itle:</source>
        <translation>T&amp;itre de la scène %1&#xa0;:</translation>
    </message>
    <message>
        <source>Scene %1 n&amp;otes:</source>
        <translation>N&amp;otes de la scène %1&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Practice set: the same questions for every student</source>
        <translation>&amp;Exercice de la leçon&#xa0;: les mêmes questions pour chaque étudiant</translation>
    </message>
    <message>
        <source>small</source>
        <translation>petit</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>moyen</translation>
    </message>
    <message>
        <source>large</source>
        <translation>grand</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>&amp;Graine&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>Ni&amp;veau&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Questions:</source>
        <translation>&amp;Questions&#xa0;:</translation>
    </message>
    <message>
        <source>Edit Lesson Notes</source>
        <translation>la modification des notes de la leçon</translation>
    </message>
</context>
<context>
    <name>NetworkDocument</name>
    <message>
        <source>Edit Lesson Notes</source>
        <translation>la modification des notes de la leçon</translation>
    </message>
    <message>
        <source>Change Practice Set</source>
        <translation>la modification de l&apos;exercice de la leçon</translation>
    </message>
    <message>
        <source>Add Scene</source>
        <translation>l&apos;ajout d&apos;une scène</translation>
    </message>
    <message>
        <source>Duplicate Scene</source>
        <translation>la duplication de la scène</translation>
    </message>
    <message>
        <source>Delete Scene</source>
        <translation>la suppression de la scène</translation>
    </message>
    <message>
        <source>Move Scene</source>
        <translation>le déplacement de la scène</translation>
    </message>
    <message>
        <source>Rename Scene</source>
        <translation>le renommage de la scène</translation>
    </message>
    <message>
        <source>Change Size</source>
        <translation>la modification de la taille</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>la modification de %1</translation>
    </message>
    <message>
        <source>Mark Terminal</source>
        <translation>le marquage d&apos;un terminal</translation>
    </message>
    <message>
        <source>Mark Switch</source>
        <translation>le marquage d&apos;un commutateur</translation>
    </message>
    <message>
        <source>Clear Marks</source>
        <translation>l&apos;effacement des marques</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Where does terminal %1 arrive?</source>
        <translation>Où arrive le terminal %1&#xa0;?</translation>
    </message>
    <message>
        <source>At which level does the route of terminal %1 turn?</source>
        <translation>À quel niveau le chemin du terminal %1 tourne-t-il&#xa0;?</translation>
    </message>
    <message>
        <source>Which family ends the route of terminal %1?</source>
        <translation>Quelle famille arrête le chemin du terminal %1&#xa0;?</translation>
    </message>
    <message>
        <source>Which terminal arrives at %1?</source>
        <translation>Quel terminal arrive en %1&#xa0;?</translation>
    </message>
    <message>
        <source>Set c1, c2 and c3 so that terminal %1 arrives at %2.</source>
        <translation>Réglez c1, c2 et c3 pour que le terminal %1 arrive en %2.</translation>
    </message>
    <message>
        <source>Check each turn in order: one of the families has no switch for this route.</source>
        <translation>Vérifiez chaque virage dans l&apos;ordre&#xa0;: l&apos;une des familles n&apos;a aucun commutateur pour ce chemin.</translation>
    </message>
    <message>
        <source>It does arrive: every family has a switch for it.</source>
        <translation>Il arrive bien&#xa0;: chaque famille a un commutateur pour lui.</translation>
    </message>
    <message>
        <source>The column is not right: the run along x ends where j = i + c2 holds.</source>
        <translation>La colonne n&apos;est pas la bonne&#xa0;: le trajet suivant x se termine là où l&apos;on a j = i + c2.</translation>
    </message>
    <message>
        <source>The row is not right: the run along z ends where k = j + c3 holds.</source>
        <translation>La ligne n&apos;est pas la bonne&#xa0;: le trajet suivant z se termine là où l&apos;on a k = j + c3.</translation>
    </message>
    <message>
        <source>The route goes down until i = k + c1 holds, if some level k in the network does that.</source>
        <translation>Le chemin descend jusqu&apos;à ce que l&apos;on ait i = k + c1, si un niveau k du réseau le permet.</translation>
    </message>
    <message>
        <source>Follow the turns in order: the i = k + c1 family first, then j = i + c2, then k2 = j + c3.</source>
        <translation>Suivez les virages dans l&apos;ordre&#xa0;: d&apos;abord la famille i = k + c1, puis j = i + c2, puis k2 = j + c3.</translation>
    </message>
    <message>
        <source>Work backwards: terminal (i, j) arrives at (j - c2, i - c1 - c3) when every turn is in the network.</source>
        <translation>Raisonnez à rebours&#xa0;: le terminal (i, j) arrive en (j - c2, i - c1 - c3) quand chaque virage est dans le réseau.</translation>
    </message>
    <message>
        <source>With these offsets the route dies: the %1 family has no switch for it.</source>
        <translation>Avec ces décalages, le chemin s&apos;arrête&#xa0;: la famille %1 n&apos;a aucun commutateur pour lui.</translation>
    </message>
    <message>
        <source>With these offsets it arrives at %1: the column follows from c2, the row from c1 and c3.</source>
        <translation>Avec ces décalages, il arrive en %1&#xa0;: la colonne découle de c2, la ligne de c1 et c3.</translation>
    </message>
    <message>
        <source>for example %1: %2</source>
        <extracomment>%1 offsets &quot;c1 = 1, c2 = 0, c3 = 2&quot;, %2 the route&apos;s description</extracomment>
        <translation>par exemple %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no terminal arrives at %1: no (i, j) in the network has j - c2 = %2 and i - c1 - c3 = %3 with every turn inside it.</source>
        <translation>aucun terminal n&apos;arrive en %1&#xa0;: aucun (i, j) du réseau ne vérifie j - c2 = %2 et i - c1 - c3 = %3 avec tous ses virages à l&apos;intérieur.</translation>
    </message>
    <message>
        <source>Where does it arrive</source>
        <translation>Où arrive-t-il</translation>
    </message>
    <message>
        <source>Where does it turn</source>
        <translation>Où tourne-t-il</translation>
    </message>
    <message>
        <source>Which family ends it</source>
        <translation>Quelle famille l&apos;arrête</translation>
    </message>
    <message>
        <source>Which terminal arrives</source>
        <translation>Quel terminal arrive</translation>
    </message>
    <message>
        <source>Set the offsets</source>
        <translation>Régler les décalages</translation>
    </message>
</context>
<context>
    <name>PracticePanel</name>
    <message>
        <source>The seed: the same seed and level give the same questions</source>
        <translation>La graine&#xa0;: la même graine et le même niveau donnent les mêmes questions</translation>
    </message>
    <message>
        <source>small</source>
        <translation>petit</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>moyen</translation>
    </message>
    <message>
        <source>large</source>
        <translation>grand</translation>
    </message>
    <message>
        <source>small: N = 3 to 5, at most one offset; medium: N = 4 to 8; large: N = 8 to 15</source>
        <translation>petit&#xa0;: N = 3 à 5, au plus un décalage&#xa0;; moyen&#xa0;: N = 4 à 8&#xa0;; grand&#xa0;: N = 8 à 15</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Graine&#xa0;:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Column i of your answer</source>
        <translation>Colonne i de votre réponse</translation>
    </message>
    <message>
        <source>Row j of your answer</source>
        <translation>Ligne j de votre réponse</translation>
    </message>
    <message>
        <source>Level k of your answer</source>
        <translation>Niveau k de votre réponse</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>It dies</source>
        <translation>Il s&apos;arrête</translation>
    </message>
    <message>
        <source>none: it arrives</source>
        <translation>aucune&#xa0;: il arrive</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Question suivante</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Your name, for the summary you hand in</source>
        <translation>Votre nom, pour le bilan que vous rendez</translation>
    </message>
    <message>
        <source>Student&apos;s name</source>
        <translation>Nom de l&apos;étudiant</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Summary of the round</source>
        <translation>Bilan de la série</translation>
    </message>
    <message>
        <source>Copy Summary</source>
        <translation>Copier le bilan</translation>
    </message>
    <message>
        <source>Save Summary...</source>
        <translation>Enregistrer le bilan...</translation>
    </message>
    <message>
        <source>This lesson&apos;s practice set: 1 question, seed %1, %2.</source>
        <translation>Exercice de cette leçon&#xa0;: 1 question, graine %1, %2.</translation>
    </message>
    <message>
        <source>This lesson&apos;s practice set: %1 questions, seed %2, %3.</source>
        <translation>Exercice de cette leçon&#xa0;: %1 questions, graine %2, %3.</translation>
    </message>
    <message>
        <source>Every student who starts it gets the same questions.</source>
        <translation>Chaque étudiant qui le commence reçoit les mêmes questions.</translation>
    </message>
    <message>
        <source>Practice question</source>
        <translation>l&apos;affichage de la question d&apos;exercice</translation>
    </message>
    <message>
        <source>None arrives</source>
        <translation>Aucun n&apos;arrive</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Bilan</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>Score&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Press Start for the lesson&apos;s questions about the network.</source>
        <translation>Cliquez sur Commencer pour les questions de la leçon sur le réseau.</translation>
    </message>
    <message>
        <source>Choose a seed and a level and press Start: ten questions about the network.</source>
        <translation>Choisissez une graine et un niveau, puis cliquez sur Commencer&#xa0;: dix questions sur le réseau.</translation>
    </message>
    <message>
        <source>Question %1 of %2 (%3): </source>
        <translation>Question %1 sur %2 (%3)&#xa0;: </translation>
    </message>
    <message>
        <source> Use the offset boxes on the left, then Check.</source>
        <translation> Réglez les décalages dans les champs de gauche, puis cliquez sur Vérifier.</translation>
    </message>
    <message>
        <source>Right. </source>
        <translation>Bonne réponse. </translation>
    </message>
    <message>
        <source>Right, on the second try: counted as missed. </source>
        <translation>Bonne réponse, au second essai&#xa0;: comptée comme manquée. </translation>
    </message>
    <message>
        <source>Not quite: try once more. </source>
        <translation>Pas tout à fait&#xa0;: essayez encore une fois. </translation>
    </message>
    <message>
        <source>Not quite: </source>
        <translation>Pas tout à fait&#xa0;: </translation>
    </message>
    <message>
        <source>Practice answer</source>
        <translation>l&apos;affichage de la réponse de l&apos;exercice</translation>
    </message>
    <message>
        <source>Seed %1, %2: %3 of %4 right</source>
        <translation>Graine %1, %2&#xa0;: score %3 sur %4</translation>
    </message>
    <message>
        <source>%1: %2 right, %3 wrong</source>
        <translation>%1&#xa0;: %2 juste(s), %3 fausse(s)</translation>
    </message>
    <message>
        <source>Missed %1: %2 (%3)</source>
        <translation>Question %1 manquée&#xa0;: %2 (%3)</translation>
    </message>
    <message>
        <source>Press Enter or double-click to see its route again</source>
        <translation>Appuyez sur Enter ou double-cliquez pour revoir son chemin</translation>
    </message>
    <message>
        <source>The round is over: %1 of %2 right.</source>
        <translation>La série est terminée&#xa0;: score %1 sur %2.</translation>
    </message>
    <message>
        <source>Student: %1</source>
        <translation>Étudiant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Leçon&#xa0;: %1</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>exercice</translation>
    </message>
    <message>
        <source>practice %1</source>
        <translation>exercice %1</translation>
    </message>
    <message>
        <source>Save Summary</source>
        <translation>Enregistrer le bilan</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>The summary could not be saved to %1:
%2</source>
        <translation>Le bilan n&apos;a pas pu être enregistré dans %1&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>Presenter</name>
    <message>
        <source>&amp;Present</source>
        <translation>Pré&amp;senter</translation>
    </message>
    <message>
        <source>Smooth &amp;Transitions</source>
        <translation>Transitions &amp;fluides</translation>
    </message>
    <message>
        <source>Show the scenes one after another, full screen</source>
        <translation>Montrer les scènes l&apos;une après l&apos;autre, en plein écran</translation>
    </message>
    <message>
        <source>Presenter</source>
        <translation>Présentateur</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 / %2  %3</source>
        <translation>%1 / %2  %3</translation>
    </message>
    <message>
        <source>Scene %1</source>
        <translation>Scène %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Next:&lt;/b&gt; %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Ensuite&#xa0;:&lt;/b&gt; %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Next:&lt;/b&gt; the end&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Ensuite&#xa0;:&lt;/b&gt; la fin&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>cannot be saved: %1</source>
        <translation>ne peut pas être enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>le nom de fichier est vide</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The drawing could not be started.</source>
        <translation>Le dessin n&apos;a pas pu être commencé.</translation>
    </message>
    <message>
        <source>The drawing could not be finished.</source>
        <translation>Le dessin n&apos;a pas pu être terminé.</translation>
    </message>
    <message>
        <source>The document could not be started.</source>
        <translation>Le document n&apos;a pas pu être commencé.</translation>
    </message>
    <message>
        <source>The document could not be finished.</source>
        <translation>Le document n&apos;a pas pu être terminé.</translation>
    </message>
    <message>
        <source>The figure has no size.</source>
        <translation>La figure n&apos;a pas de taille.</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of %1 x %2 pixels.</source>
        <translation>Il n&apos;y a pas assez de mémoire pour une image de %1 x %2 pixels.</translation>
    </message>
    <message>
        <source>A picture is not drawn as vectors.</source>
        <translation>Une image matricielle ne se dessine pas sous forme vectorielle.</translation>
    </message>
    <message>
        <source>The page has no size.</source>
        <translation>La page n&apos;a pas de taille.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>The lesson has no scenes.</source>
        <translation>La leçon n&apos;a aucune scène.</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>Pictures cannot be saved as &quot;%1&quot;.</source>
        <translation>Les images ne peuvent pas être enregistrées au format «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>RouteMapModel</name>
    <message>
        <source>i = %1</source>
        <translation>i = %1</translation>
    </message>
    <message>
        <source>j = %1</source>
        <translation>j = %1</translation>
    </message>
</context>
<context>
    <name>RouteMapPage</name>
    <message>
        <source>Where each terminal arrives</source>
        <translation>Où arrive chaque terminal</translation>
    </message>
    <message>
        <source>Columns i, rows j; a route dies at the family named: %1</source>
        <translation>Colonnes i, lignes j&#xa0;; un chemin s&apos;arrête à la famille indiquée&#xa0;: %1</translation>
    </message>
    <message>
        <source>hidden during the question</source>
        <translation>masqué pendant la question</translation>
    </message>
</context>
<context>
    <name>RouteStepper</name>
    <message>
        <source>Choose a marked route and step through it with ▶| or play it with ▶.</source>
        <translation>Choisissez un chemin marqué et parcourez-le étape par étape avec ▶| ou lisez-le avec ▶.</translation>
    </message>
</context>
<context>
    <name>RouteText</name>
    <message>
        <source>unmarked</source>
        <translation>non marqué</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>red + green</source>
        <translation>rouge + vert</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>red + blue</source>
        <translation>rouge + bleu</translation>
    </message>
    <message>
        <source>green + blue</source>
        <translation>vert + bleu</translation>
    </message>
    <message>
        <source>red + green + blue</source>
        <translation>rouge + vert + bleu</translation>
    </message>
    <message>
        <source>terminal %1: %2.</source>
        <extracomment>%1 the start terminal &quot;(1, 3)&quot;, then the route&apos;s legs in order</extracomment>
        <translation>terminal %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>terminal %1: %2; %3.</source>
        <extracomment>%1 the start terminal &quot;(1, 3)&quot;, then the route&apos;s legs in order</extracomment>
        <translation>terminal %1&#xa0;: %2&#xa0;; %3.</translation>
    </message>
    <message>
        <source>terminal %1: %2; %3; %4.</source>
        <extracomment>%1 the start terminal &quot;(1, 3)&quot;, then the route&apos;s legs in order</extracomment>
        <translation>terminal %1&#xa0;: %2&#xa0;; %3&#xa0;; %4.</translation>
    </message>
    <message>
        <source>terminal %1: %2; %3; %4; %5.</source>
        <extracomment>%1 the start terminal &quot;(1, 3)&quot;, then the route&apos;s legs in order</extracomment>
        <translation>terminal %1&#xa0;: %2&#xa0;; %3&#xa0;; %4&#xa0;; %5.</translation>
    </message>
    <message>
        <source>dies at once: no level k in 0..%1 with %2 = %3 %4</source>
        <translation>s&apos;arrête aussitôt&#xa0;: aucun niveau k dans 0..%1 tel que %2 = %3 %4</translation>
    </message>
    <message>
        <source>then dies: no column i in 0..%1 with %2 = %3 %4</source>
        <translation>puis s&apos;arrête&#xa0;: aucune colonne i dans 0..%1 telle que %2 = %3 %4</translation>
    </message>
    <message>
        <source>then dies: no row j in 0..%1 with %2 = %3 %4</source>
        <translation>puis s&apos;arrête&#xa0;: aucune ligne j dans 0..%1 telle que %2 = %3 %4</translation>
    </message>
    <message>
        <source>down to level k = %1 at switch %2 %3</source>
        <translation>descend au niveau k = %1 au commutateur %2 %3</translation>
    </message>
    <message>
        <source>along x to i1 = %1 at switch %2 %3</source>
        <translation>suit x jusqu&apos;à i1 = %1 au commutateur %2 %3</translation>
    </message>
    <message>
        <source>along z to j1 = %1 at switch %2 %3</source>
        <translation>suit z jusqu&apos;à j1 = %1 au commutateur %2 %3</translation>
    </message>
    <message>
        <source>up to terminal %1, where it arrives</source>
        <translation>remonte jusqu&apos;au terminal %1, où il arrive</translation>
    </message>
    <message numerus="yes">
        <source>step %1 of %n: at terminal %2</source>
        <translation>
            <numerusform>étape %1 sur %n&#xa0;: au terminal %2</numerusform>
            <numerusform>étape %1 sur %n&#xa0;: au terminal %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>step %1 of %n: %2</source>
        <extracomment>%2 one leg of the route, as in &quot;down to level k = 1 at switch (1, 3, 1) [i = k + c1]&quot;</extracomment>
        <translation>
            <numerusform>étape %1 sur %n&#xa0;: %2</numerusform>
            <numerusform>étape %1 sur %n&#xa0;: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>terminal %1</source>
        <translation>terminal %1</translation>
    </message>
    <message>
        <source>terminal %1: its route arrives at terminal %2</source>
        <translation>terminal %1&#xa0;: son chemin arrive au terminal %2</translation>
    </message>
    <message>
        <source>terminal %1: its route dies at %2</source>
        <translation>terminal %1&#xa0;: son chemin s&apos;arrête à %2</translation>
    </message>
    <message>
        <source>%1; marked %2</source>
        <extracomment>%1 what is said of the box so far, %2 colours such as &quot;red + blue&quot;</extracomment>
        <translation>%1&#xa0;; marqué %2</translation>
    </message>
    <message>
        <source>%1; reached by %2</source>
        <extracomment>%1 what is said of the terminal so far, %2 colours such as &quot;red + blue&quot;</extracomment>
        <translation>%1&#xa0;; atteint par %2</translation>
    </message>
    <message>
        <source>switch %1</source>
        <translation>commutateur %1</translation>
    </message>
    <message>
        <source>switch %1: on no family</source>
        <translation>commutateur %1&#xa0;: sur aucune famille</translation>
    </message>
    <message>
        <source>switch %1: on %2</source>
        <translation>commutateur %1&#xa0;: sur %2</translation>
    </message>
    <message>
        <source>%1; marked routes turn here: from %2</source>
        <extracomment>%1 what is said of the switch so far, %2 start terminals &quot;(1, 3), (0, 0)&quot;</extracomment>
        <translation>%1&#xa0;; des chemins marqués tournent ici&#xa0;: partis de %2</translation>
    </message>
    <message>
        <source>dies: %1</source>
        <translation>s&apos;arrête&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n terminals arrive; %2: %3</source>
        <extracomment>%1 how many arrive, %2 the offsets &quot;c1 = 1, c2 = -1, c3 = 2&quot;, %3 where (i, j) goes</extracomment>
        <translation>
            <numerusform>Terminal qui arrive&#xa0;: %1 sur %n&#xa0;; %2&#xa0;: %3</numerusform>
            <numerusform>Terminaux qui arrivent&#xa0;: %1 sur %n&#xa0;; %2&#xa0;: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n terminal marked</source>
        <translation>
            <numerusform>%n terminal marqué</numerusform>
            <numerusform>%n terminaux marqués</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n terminals marked</source>
        <translation>
            <numerusform>%n terminal marqué</numerusform>
            <numerusform>%n terminaux marqués</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n arrives</source>
        <translation>
            <numerusform>%n arrive</numerusform>
            <numerusform>%n arrivent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n arrive</source>
        <translation>
            <numerusform>%n arrive</numerusform>
            <numerusform>%n arrivent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dies</source>
        <translation>
            <numerusform>%n s&apos;arrête</numerusform>
            <numerusform>%n s&apos;arrêtent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n die</source>
        <translation>
            <numerusform>%n s&apos;arrête</numerusform>
            <numerusform>%n s&apos;arrêtent</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2: %3, %4.</source>
        <extracomment>%1 &quot;N = 4, c1 = 0, ...&quot;, %2 &quot;2 terminals marked&quot;, %3 &quot;1 arrives&quot;, %4 &quot;1 dies&quot;</extracomment>
        <translation>%1&#xa0;; %2&#xa0;: %3, %4.</translation>
    </message>
</context>
<context>
    <name>RoutesPanel</name>
    <message>
        <source>Lesson notes</source>
        <translation>Notes de la leçon</translation>
    </message>
    <message>
        <source>Marked terminals and their routes</source>
        <translation>Terminaux marqués et leurs chemins</translation>
    </message>
    <message>
        <source>Focus on the marked routes</source>
        <translation>Faire ressortir les chemins marqués</translation>
    </message>
    <message>
        <source>Destinations and marked switches</source>
        <translation>Destinations et commutateurs marqués</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marquer</translation>
    </message>
    <message>
        <source>Column i of the terminal or switch to mark</source>
        <translation>Colonne i du terminal ou du commutateur à marquer</translation>
    </message>
    <message>
        <source>Row j of the terminal or switch to mark</source>
        <translation>Ligne j du terminal ou du commutateur à marquer</translation>
    </message>
    <message>
        <source>Level k of the switch to mark, or top for a terminal</source>
        <translation>Niveau k du commutateur à marquer, ou haut pour un terminal</translation>
    </message>
    <message>
        <source>top</source>
        <translation>haut</translation>
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
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Toggle a %1 mark, as a click with the %2 button would</source>
        <translation>Marquer en %1 ou retirer cette marque, comme le ferait un clic avec le bouton %2</translation>
    </message>
    <message>
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>du milieu</translation>
    </message>
    <message>
        <source>right</source>
        <translation>droit</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Clear every mark, as a click on empty space would</source>
        <translation>Effacer toutes les marques, comme le ferait un clic dans le vide</translation>
    </message>
    <message>
        <source>Back to the start of the route</source>
        <translation>Retour au début du chemin</translation>
    </message>
    <message>
        <source>One leg back (Comma)</source>
        <translation>Un tronçon en arrière (Comma)</translation>
    </message>
    <message>
        <source>Play the route leg by leg, or pause (P)</source>
        <translation>Lire le chemin tronçon par tronçon, ou mettre en pause (P)</translation>
    </message>
    <message>
        <source>One leg further (Period)</source>
        <translation>Un tronçon plus loin (Period)</translation>
    </message>
    <message>
        <source>Legs per second while playing, 0.5 to 4</source>
        <translation>Tronçons par seconde pendant la lecture, de 0,5 à 4</translation>
    </message>
    <message>
        <source>terminal (%1, %2) is reached by %3</source>
        <translation>terminal (%1, %2) atteint par %3</translation>
    </message>
    <message>
        <source>No route arrives.</source>
        <translation>Aucun chemin n&apos;arrive.</translation>
    </message>
    <message>
        <source>switch (%1, %2, %3) is marked %4</source>
        <translation>commutateur (%1, %2, %3) marqué %4</translation>
    </message>
    <message>
        <source>No switch is marked.</source>
        <translation>Aucun commutateur n&apos;est marqué.</translation>
    </message>
    <message>
        <source>No terminal is marked: click one, or use the form below.</source>
        <translation>Aucun terminal n&apos;est marqué&#xa0;: cliquez sur l&apos;un d&apos;eux, ou utilisez le formulaire ci-dessous.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SceneListModel</name>
    <message>
        <source>Scene %1</source>
        <translation>Scène %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>ScenesPanel</name>
    <message>
        <source>The lesson&apos;s scenes: choose one to show it</source>
        <translation>Les scènes de la leçon&#xa0;: choisissez-en une pour l&apos;afficher</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add a scene showing what the view shows now</source>
        <translation>Ajouter une scène montrant ce que la vue montre maintenant</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Copy the scene, with its title and notes</source>
        <translation>Copier la scène, avec son titre et ses notes</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete the scene</source>
        <translation>Supprimer la scène</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move the scene one place earlier</source>
        <translation>Avancer la scène d&apos;une place</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move the scene one place later</source>
        <translation>Reculer la scène d&apos;une place</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Give the scene a title</source>
        <translation>Donner un titre à la scène</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Turn a 3D model of the Transpose Switch network and follow its routes.</source>
        <translation>Faites tourner un modèle 3D du réseau Transpose Switch et suivez ses chemins.</translation>
    </message>
    <message>
        <source>Write the picture of the lesson (or of the start) to FILE and exit.</source>
        <translation>Écrire l&apos;image de la leçon (ou de la vue de départ) dans FILE et quitter.</translation>
    </message>
    <message>
        <source>The exported picture&apos;s size: pixels, or millimetres for PDF.</source>
        <translation>La taille de l&apos;image exportée&#xa0;: en pixels, ou en millimètres pour le PDF.</translation>
    </message>
    <message>
        <source>screen (black, the default) or print (white) for --export.</source>
        <translation>screen (noir, par défaut) ou print (blanc) pour --export.</translation>
    </message>
    <message>
        <source>Put N, the offsets and the lesson&apos;s title under the exported picture.</source>
        <translation>Placer N, les décalages et le titre de la leçon sous l&apos;image exportée.</translation>
    </message>
    <message>
        <source>List the marked routes beside the exported picture.</source>
        <translation>Lister les chemins marqués à côté de l&apos;image exportée.</translation>
    </message>
    <message>
        <source>Export exactly what the window shows instead of fitting the model to the picture.</source>
        <translation>Exporter exactement ce que montre la fenêtre au lieu d&apos;ajuster le modèle à l&apos;image.</translation>
    </message>
    <message>
        <source>Name the axes and number the indices in the exported picture, as View → Labels does.</source>
        <translation>Nommer les axes et numéroter les indices dans l&apos;image exportée, comme le fait Affichage → Étiquettes.</translation>
    </message>
    <message>
        <source>Draw the boxes no marked route touches as faint frames in the exported picture, as View → Focus on Marked Routes does.</source>
        <translation>Dessiner en cadres pâles, dans l&apos;image exportée, les boîtes qu&apos;aucun chemin marqué ne touche, comme le fait Affichage → Faire ressortir les chemins marqués.</translation>
    </message>
    <message>
        <source>Export every scene of the lesson: a PDF of a page each (the figure, the scene&apos;s title and notes), or with --format svg or png a folder of numbered files. For print unless --background says otherwise.</source>
        <translation>Exporter chaque scène de la leçon&#xa0;: un PDF d&apos;une page par scène (la figure, le titre et les notes de la scène), ou, avec --format svg ou png, un dossier de fichiers numérotés. Pour l&apos;impression, sauf si --background en décide autrement.</translation>
    </message>
    <message>
        <source>pdf, svg or png: what --handout writes (by default PDF, for a FILE ending in .pdf).</source>
        <translation>pdf, svg ou png&#xa0;: ce qu&apos;écrit --handout (PDF par défaut, pour un FILE se terminant par .pdf).</translation>
    </message>
    <message>
        <source>Start in practice with this seed.</source>
        <translation>Démarrer en exercice avec cette graine.</translation>
    </message>
    <message>
        <source>The practice level: small, medium or large.</source>
        <translation>Le niveau de l&apos;exercice&#xa0;: small, medium ou large.</translation>
    </message>
    <message>
        <source>A lesson file (.tslesson) to open.</source>
        <translation>Un fichier de leçon (.tslesson) à ouvrir.</translation>
    </message>
    <message>
        <source>one lesson at a time, not %1</source>
        <translation>une seule leçon à la fois, pas %1</translation>
    </message>
    <message>
        <source>--%1 goes with --export</source>
        <translation>--%1 s&apos;utilise avec --export</translation>
    </message>
    <message>
        <source>--format goes with --handout</source>
        <translation>--format s&apos;utilise avec --handout</translation>
    </message>
    <message>
        <source>--level goes with --practice</source>
        <translation>--level s&apos;utilise avec --practice</translation>
    </message>
    <message>
        <source>--practice takes a whole number, not &quot;%1&quot;</source>
        <translation>--practice attend un nombre entier, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--level must be small, medium or large, not &quot;%1&quot;</source>
        <translation>--level doit valoir small, medium ou large, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--export needs a file name, and the one given is empty</source>
        <translation>--export attend un nom de fichier, et celui qui est donné est vide</translation>
    </message>
    <message>
        <source>--background must be print or screen, not &quot;%1&quot;</source>
        <translation>--background doit valoir print ou screen, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--format must be pdf, svg or png, not &quot;%1&quot;</source>
        <translation>--format doit valoir pdf, svg ou png, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--handout writes a .pdf file, or a folder with --format svg or png</source>
        <translation>--handout écrit un fichier .pdf, ou un dossier avec --format svg ou png</translation>
    </message>
    <message>
        <source>--image-size must be WIDTHxHEIGHT, each 1 to %1, not &quot;%2&quot;</source>
        <translation>--image-size doit être de la forme LARGEURxHAUTEUR, chacune de 1 à %1, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>The language for this run: %1.</source>
        <translation>La langue de cette exécution&#xa0;: %1.</translation>
    </message>
    <message>
        <source>--lang must be one of %1, not &quot;%2&quot;</source>
        <translation>--lang doit valoir l&apos;une des valeurs %1, pas «&#xa0;%2&#xa0;»</translation>
    </message>
</context>
</TS>
