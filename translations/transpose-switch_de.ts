<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ControlColumn</name>
    <message>
        <source>Network size N: N by N terminals on the top face, N by N by N switches</source>
        <translation>Netzwerkgröße N: N × N Anschlüsse auf der Oberseite, N × N × N Schalter</translation>
    </message>
    <message>
        <source>N:</source>
        <translation>N:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The family of switches with %1</source>
        <translation>Die Familie der Schalter mit %1</translation>
    </message>
    <message>
        <source>Highlight the switches with %1</source>
        <translation>Die Schalter mit %1 hervorheben</translation>
    </message>
    <message>
        <source>Draw the plane %1</source>
        <translation>Die Ebene %1 zeichnen</translation>
    </message>
    <message>
        <source>Draw the plane %1 solid instead of dotted</source>
        <translation>Die Ebene %1 undurchsichtig statt gepunktet zeichnen</translation>
    </message>
    <message>
        <source>The offset %1 of the planes %2</source>
        <translation>Der Versatz %1 der Ebenen %2</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Weg</translation>
    </message>
    <message>
        <source>How a marked terminal&apos;s route is drawn: its own path or the whole wires it uses</source>
        <translation>Wie der Weg eines markierten Anschlusses gezeichnet wird: nur sein eigener Pfad oder die ganzen Leitungen, die er nutzt</translation>
    </message>
    <message>
        <source>path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>wire</source>
        <translation>Leitung</translation>
    </message>
    <message>
        <source>Wires</source>
        <translation>Leitungen</translation>
    </message>
    <message>
        <source>Which wires are drawn dashed: none, those every terminal&apos;s route uses, or all</source>
        <translation>Welche Leitungen gestrichelt gezeichnet werden: keine, die von den Wegen aller Anschlüsse genutzten oder alle</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>used</source>
        <translation>genutzt</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>How switches are drawn: filled, as frames, or only where highlighted</source>
        <translation>Wie Schalter gezeichnet werden: gefüllt, als Rahmen oder nur dort, wo sie hervorgehoben sind</translation>
    </message>
    <message>
        <source>fill</source>
        <translation>gefüllt</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>hilite</source>
        <translation>hervorheben</translation>
    </message>
    <message>
        <source>plane</source>
        <translation>Ebene</translation>
    </message>
    <message>
        <source>opaque</source>
        <translation>undurchsichtig</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>OpenGL here draws pictures of at most %1 × %1 pixels; a larger one can be exported for print or as SVG or PDF.</source>
        <translation>OpenGL zeichnet hier Bilder von höchstens %1 × %1 Pixeln; ein größeres Bild lässt sich für den Druck oder als SVG oder PDF exportieren.</translation>
    </message>
    <message>
        <source>The picture could not be drawn off screen.</source>
        <translation>Das Bild konnte nicht außerhalb des Bildschirms gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>&amp;Fit the model to the picture</source>
        <translation>Modell an das Bild an&amp;passen</translation>
    </message>
    <message>
        <source>&amp;Caption: N, the offsets and the lesson&apos;s title</source>
        <translation>&amp;Bildunterschrift: N, die Versätze und der Titel der Lektion</translation>
    </message>
    <message>
        <source>&amp;Legend: the marked routes, where each starts and ends</source>
        <translation>&amp;Legende: die markierten Wege, wo jeder beginnt und endet</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>Handout exportieren</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>PNG pictures in a folder, one per scene</source>
        <translation>PNG-Bilder in einem Ordner, eines pro Szene</translation>
    </message>
    <message>
        <source>SVG drawings in a folder, one per scene</source>
        <translation>SVG-Zeichnungen in einem Ordner, eine pro Szene</translation>
    </message>
    <message>
        <source>PDF handout, a page per scene with its title and notes</source>
        <translation>PDF-Handout, eine Seite pro Szene mit ihrem Titel und ihren Notizen</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>SVG-Zeichnung</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>As on screen (black)</source>
        <translation>Wie am Bildschirm (schwarz)</translation>
    </message>
    <message>
        <source>For print (white)</source>
        <translation>Für den Druck (weiß)</translation>
    </message>
    <message>
        <source>Off: exactly what the window shows</source>
        <translation>Aus: genau das, was das Fenster zeigt</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormat:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Hintergrund:</translation>
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
        <translation>Die Seite; Standard: A4 Hochformat</translation>
    </message>
    <message>
        <source>Default: A5 landscape</source>
        <translation>Standard: A5 Querformat</translation>
    </message>
    <message>
        <source>Default: the view, %1 × %2 pixels</source>
        <translation>Standard: die Ansicht, %1 × %2 Pixel</translation>
    </message>
</context>
<context>
    <name>FigureExport</name>
    <message>
        <source>&amp;Export Image...</source>
        <translation>Bild &amp;exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;Handout...</source>
        <translation>&amp;Handout exportieren...</translation>
    </message>
    <message>
        <source>Every scene of the lesson: a PDF of a page each, or a folder of pictures</source>
        <translation>Alle Szenen der Lektion: ein PDF mit je einer Seite oder ein Ordner mit Bildern</translation>
    </message>
    <message>
        <source>&amp;Copy Image</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>PNG pictures (*.png);;Other pictures (*.jpg *.bmp *.ppm)</source>
        <translation>PNG-Bilder (*.png);;Andere Bilder (*.jpg *.bmp *.ppm)</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>SVG-Zeichnungen (*.svg)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>;;All files (*)</source>
        <translation>;;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>Handout exportieren</translation>
    </message>
    <message>
        <source> handout</source>
        <translation> Handout</translation>
    </message>
    <message>
        <source>Export Handout: the folder for its files</source>
        <translation>Handout exportieren: der Ordner für seine Dateien</translation>
    </message>
    <message>
        <source>The handout could not be exported to %1:
%2</source>
        <translation>Das Handout konnte nicht nach %1 exportiert werden:
%2</translation>
    </message>
    <message>
        <source>The picture could not be exported to %1:
%2</source>
        <translation>Das Bild konnte nicht nach %1 exportiert werden:
%2</translation>
    </message>
</context>
<context>
    <name>GLBox</name>
    <message>
        <source>3D view of the network</source>
        <translation>3D-Ansicht des Netzwerks</translation>
    </message>
</context>
<context>
    <name>GLObjectWindow</name>
    <message>
        <source>The lesson could not be opened.
%1</source>
        <translation>Die Lektion konnte nicht geöffnet werden.
%1</translation>
    </message>
    <message>
        <source>Transpose Switch</source>
        <translation>Transpose Switch</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Lesson &amp;Notes...</source>
        <translation>Lektions&amp;notizen...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Focus on Marked Routes</source>
        <translation>&amp;Fokus auf markierte Wege</translation>
    </message>
    <message>
        <source>Draw the boxes that no marked route touches as faint frames</source>
        <translation>Die Quader, die kein markierter Weg berührt, als blasse Rahmen zeichnen</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>&amp;Beschriftungen</translation>
    </message>
    <message>
        <source>Routes</source>
        <translation>Wege</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>Szenen</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;Übung</translation>
    </message>
    <message>
        <source>&amp;Start Practice...</source>
        <translation>Übung &amp;starten...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Keys and Mouse</source>
        <translation>Tasten und Maus</translation>
    </message>
    <message>
        <source>Drag with any button</source>
        <translation>Ziehen mit beliebiger Maustaste</translation>
    </message>
    <message>
        <source>Turn the model (5 pixels make a degree)</source>
        <translation>Modell drehen (5 Pixel ergeben ein Grad)</translation>
    </message>
    <message>
        <source>Click with the left, middle or right button</source>
        <translation>Klick mit der linken, mittleren oder rechten Maustaste</translation>
    </message>
    <message>
        <source>Toggle a red, green or blue mark on a terminal or switch</source>
        <translation>Rote, grüne oder blaue Markierung an einem Anschluss oder Schalter setzen oder entfernen</translation>
    </message>
    <message>
        <source>Click on empty space, or Escape</source>
        <translation>Klick auf eine leere Stelle oder Esc</translation>
    </message>
    <message>
        <source>Clear every mark (Escape while stepping a route only ends the stepping)</source>
        <translation>Alle Markierungen entfernen (Esc beim schrittweisen Durchgehen eines Wegs beendet nur das Durchgehen)</translation>
    </message>
    <message>
        <source>Period, Comma, P</source>
        <translation>Punkt, Komma, P</translation>
    </message>
    <message>
        <source>Step the chosen route one leg further or back, play or pause it</source>
        <translation>Den gewählten Weg einen Abschnitt weiter oder zurück gehen, abspielen oder anhalten</translation>
    </message>
    <message>
        <source>Shift+drag with any button</source>
        <translation>Umschalt+Ziehen mit beliebiger Maustaste</translation>
    </message>
    <message>
        <source>Move the picture in the view&apos;s plane</source>
        <translation>Das Bild in der Bildschirmebene verschieben</translation>
    </message>
    <message>
        <source>Mouse wheel</source>
        <translation>Mausrad</translation>
    </message>
    <message>
        <source>Zoom in and out about the point under the pointer</source>
        <translation>Vergrößern und verkleinern um den Punkt unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>+ and -</source>
        <translation>+ und -</translation>
    </message>
    <message>
        <source>Zoom in and out about the view&apos;s centre</source>
        <translation>Vergrößern und verkleinern um die Mitte der Ansicht</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>Turn the model 5 degrees, as a drag of 25 pixels would; with Shift, 1 degree</source>
        <translation>Modell um 5 Grad drehen, wie es ein Ziehen um 25 Pixel täte; mit Umschalt um 1 Grad</translation>
    </message>
    <message>
        <source>Ctrl+arrow keys</source>
        <translation>Strg+Pfeiltasten</translation>
    </message>
    <message>
        <source>Move the picture by a twentieth of the view</source>
        <translation>Das Bild um ein Zwanzigstel der Ansicht verschieben</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>Back to the start view: angles 0, 0, no zoom and no move</source>
        <translation>Zurück zur Startansicht: Winkel 0, 0, ohne Zoom und ohne Verschiebung</translation>
    </message>
    <message>
        <source>Ctrl+Z, Ctrl+Shift+Z or Ctrl+Y</source>
        <translation>Strg+Z, Strg+Umschalt+Z oder Strg+Y</translation>
    </message>
    <message>
        <source>Undo and redo changes of the marks, the size and the offsets</source>
        <translation>Änderungen an den Markierungen, der Größe und den Versätzen rückgängig machen und wiederherstellen</translation>
    </message>
    <message>
        <source>Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+Shift+S</source>
        <translation>Strg+N, Strg+O, Strg+S, Strg+Umschalt+S</translation>
    </message>
    <message>
        <source>New lesson, open a lesson, save it, save it as</source>
        <translation>Neue Lektion, Lektion öffnen, speichern, speichern unter</translation>
    </message>
    <message>
        <source>Ctrl+E, Ctrl+C</source>
        <translation>Strg+E, Strg+C</translation>
    </message>
    <message>
        <source>Export a figure (PNG, SVG or PDF), copy the picture to the clipboard</source>
        <translation>Abbildung exportieren (PNG, SVG oder PDF), Bild in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>Full screen, for a projector</source>
        <translation>Vollbild, für den Beamer</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Present the lesson&apos;s scenes one after another, full screen; F5 or Escape leaves</source>
        <translation>Die Szenen der Lektion nacheinander im Vollbild präsentieren; F5 oder Esc beendet die Präsentation</translation>
    </message>
    <message>
        <source>PageDown, Space, Right or a click on empty space</source>
        <translation>Bild ab, Leertaste, Pfeil rechts oder Klick auf eine leere Stelle</translation>
    </message>
    <message>
        <source>While presenting: the next scene (PageUp, Left, Backspace: the one before; Home, End: the first, the last)</source>
        <translation>Beim Präsentieren: die nächste Szene (Bild auf, Pfeil links, Rücktaste: die vorige; Pos1, Ende: die erste, die letzte)</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Strg+Q</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&lt;p&gt;The keys work while the view has the keyboard focus (click it or Tab to it).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Tasten wirken, solange die Ansicht den Tastaturfokus hat (klicken Sie hinein oder wechseln Sie mit der Tabulatortaste dorthin).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Illustrates Tervain&apos;s Transpose Switch&lt;br&gt;Intended to illustrate the structure&lt;br&gt;and behavior of the switch network.&lt;br&gt;&lt;br&gt;Written By Orvel Stane&lt;br&gt;ostane@transpose-switch.invalid&lt;br&gt;&lt;br&gt;First draft: 12 hours&lt;br&gt;Added Features: 8 hours&lt;br&gt;Minor Adjustments: 0.5 hours&lt;br&gt;Total: 20.5 Hours</source>
        <translation>Veranschaulicht Tervains Transpose Switch&lt;br&gt;Gedacht zur Veranschaulichung der Struktur&lt;br&gt;und des Verhaltens des Schalternetzwerks.&lt;br&gt;&lt;br&gt;Geschrieben von Orvel Stane&lt;br&gt;ostane@transpose-switch.invalid&lt;br&gt;&lt;br&gt;Erster Entwurf: 12 Stunden&lt;br&gt;Zusätzliche Funktionen: 8 Stunden&lt;br&gt;Kleinere Anpassungen: 0,5 Stunden&lt;br&gt;Gesamt: 20,5 Stunden</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Lektion öffnen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Sprache</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>&quot;%1&quot; must be a whole number</source>
        <translation>&quot;%1&quot; muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object</source>
        <translation>&quot;%1&quot; muss ein Objekt sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list</source>
        <translation>&quot;%1&quot; muss eine Liste sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list of %2</source>
        <translation>&quot;%1&quot; muss eine Liste mit %2 Einträgen sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text</source>
        <translation>&quot;%1&quot; muss ein Text sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one of %2, not &quot;%3&quot;</source>
        <translation>&quot;%1&quot; muss einer der Werte %2 sein, nicht &quot;%3&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be from %2 to %3, not %4</source>
        <translation>&quot;%1&quot; muss im Bereich von %2 bis %3 liegen, nicht %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be from %2 to %3 at size %3, not %4</source>
        <translation>&quot;%1&quot; muss bei Größe %3 im Bereich von %2 bis %3 liegen, nicht %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>&quot;%1&quot; muss true oder false sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must name one &quot;terminal&quot; or one &quot;switch&quot;</source>
        <translation>&quot;%1&quot; muss genau einen der Schlüssel &quot;terminal&quot; oder &quot;switch&quot; enthalten</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lies outside the network of size %2</source>
        <translation>&quot;%1&quot; liegt außerhalb des Netzwerks der Größe %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no colour</source>
        <translation>&quot;%1&quot; nennt keine Farbe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be from 0 to %2, the legs of that route, not %3</source>
        <translation>&quot;%1&quot; muss im Bereich von 0 bis %2 liegen (die Abschnitte dieses Wegs), nicht %3</translation>
    </message>
    <message>
        <source>&quot;%1[%2]&quot; must be a finite number</source>
        <translation>&quot;%1[%2]&quot; muss eine endliche Zahl sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number from %2 to %3</source>
        <translation>&quot;%1&quot; muss eine Zahl von %2 bis %3 sein</translation>
    </message>
    <message>
        <source>&quot;%1[%2]&quot; must be a number from %3 to %4</source>
        <translation>&quot;%1[%2]&quot; muss eine Zahl von %3 bis %4 sein</translation>
    </message>
    <message>
        <source>&quot;practice.seed&quot; must be from 0 to %1, not %2</source>
        <translation>&quot;practice.seed&quot; muss im Bereich von 0 bis %1 liegen, nicht %2</translation>
    </message>
    <message>
        <source>&quot;practice.questions&quot; must be from 1 to %1, not %2</source>
        <translation>&quot;practice.questions&quot; muss im Bereich von 1 bis %1 liegen, nicht %2</translation>
    </message>
    <message>
        <source>not a lesson: &quot;format&quot; must be &quot;%1&quot;</source>
        <translation>keine Lektion: &quot;format&quot; muss &quot;%1&quot; sein</translation>
    </message>
    <message>
        <source>&quot;version&quot; is missing</source>
        <translation>&quot;version&quot; fehlt</translation>
    </message>
    <message>
        <source>made by a newer version of the program (lesson version %1)</source>
        <translation>mit einer neueren Version des Programms erstellt (Lektionsversion %1)</translation>
    </message>
    <message>
        <source>&quot;version&quot; must be 1 or 2</source>
        <translation>&quot;version&quot; muss 1 oder 2 sein</translation>
    </message>
    <message>
        <source>&quot;scenes&quot; must be a list of at least one object</source>
        <translation>&quot;scenes&quot; muss eine Liste mit mindestens einem Objekt sein</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>not JSON: %1 at %2</source>
        <translation>kein JSON: %1 in %2</translation>
    </message>
    <message>
        <source>not a lesson: the file holds no JSON object</source>
        <translation>keine Lektion: Die Datei enthält kein JSON-Objekt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>der Dateiname ist leer</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>is a folder, not a lesson</source>
        <translation>ist ein Ordner, keine Lektion</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>is larger than 1 MiB, too large for a lesson</source>
        <translation>ist größer als 1 MiB, zu groß für eine Lektion</translation>
    </message>
</context>
<context>
    <name>LessonFiles</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Lektion öffnen</translation>
    </message>
    <message>
        <source>&amp;Example Lessons</source>
        <translation>&amp;Beispiellektionen</translation>
    </message>
    <message>
        <source>Lessons (*.%1);;All files (*)</source>
        <translation>Lektionen (*.%1);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The lesson could not be opened.
%1</source>
        <translation>Die Lektion konnte nicht geöffnet werden.
%1</translation>
    </message>
    <message>
        <source>lesson</source>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>Save Lesson</source>
        <translation>Lektion speichern</translation>
    </message>
    <message>
        <source>The lesson could not be saved.
%1</source>
        <translation>Die Lektion konnte nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>The lesson &quot;%1&quot; has changes that are not saved.
Save them first?</source>
        <translation>Die Lektion „%1“ hat Änderungen, die nicht gespeichert sind.
Möchten Sie sie zuerst speichern?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
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
        <translation>Lektionsnotizen</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notizen:</translation>
    </message>
    <message>
        <source>Scene %1 t&amp;itle:</source>
        <translation>T&amp;itel der Szene %1:</translation>
    </message>
    <message>
        <source>Scene %1 n&amp;otes:</source>
        <translation>N&amp;otizen zur Szene %1:</translation>
    </message>
    <message>
        <source>&amp;Practice set: the same questions for every student</source>
        <translation>Ü&amp;bungssatz: dieselben Fragen für alle Studierenden</translation>
    </message>
    <message>
        <source>small</source>
        <translation>klein</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>large</source>
        <translation>groß</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>&amp;Startwert:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>St&amp;ufe:</translation>
    </message>
    <message>
        <source>&amp;Questions:</source>
        <translation>&amp;Fragen:</translation>
    </message>
    <message>
        <source>Edit Lesson Notes</source>
        <translation>Lektionsnotizen bearbeiten</translation>
    </message>
</context>
<context>
    <name>NetworkDocument</name>
    <message>
        <source>Edit Lesson Notes</source>
        <translation>Lektionsnotizen bearbeiten</translation>
    </message>
    <message>
        <source>Change Practice Set</source>
        <translation>Übungssatz ändern</translation>
    </message>
    <message>
        <source>Add Scene</source>
        <translation>Szene hinzufügen</translation>
    </message>
    <message>
        <source>Duplicate Scene</source>
        <translation>Szene duplizieren</translation>
    </message>
    <message>
        <source>Delete Scene</source>
        <translation>Szene löschen</translation>
    </message>
    <message>
        <source>Move Scene</source>
        <translation>Szene verschieben</translation>
    </message>
    <message>
        <source>Rename Scene</source>
        <translation>Szene umbenennen</translation>
    </message>
    <message>
        <source>Change Size</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Mark Terminal</source>
        <translation>Anschluss markieren</translation>
    </message>
    <message>
        <source>Mark Switch</source>
        <translation>Schalter markieren</translation>
    </message>
    <message>
        <source>Clear Marks</source>
        <translation>Markierungen entfernen</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Where does terminal %1 arrive?</source>
        <translation>Wo kommt Anschluss %1 an?</translation>
    </message>
    <message>
        <source>At which level does the route of terminal %1 turn?</source>
        <translation>In welcher Schicht biegt der Weg von Anschluss %1 ab?</translation>
    </message>
    <message>
        <source>Which family ends the route of terminal %1?</source>
        <translation>An welcher Familie endet der Weg von Anschluss %1?</translation>
    </message>
    <message>
        <source>Which terminal arrives at %1?</source>
        <translation>Welcher Anschluss kommt bei %1 an?</translation>
    </message>
    <message>
        <source>Set c1, c2 and c3 so that terminal %1 arrives at %2.</source>
        <translation>Stellen Sie c1, c2 und c3 so ein, dass Anschluss %1 bei %2 ankommt.</translation>
    </message>
    <message>
        <source>Check each turn in order: one of the families has no switch for this route.</source>
        <translation>Prüfen Sie jede Abbiegung der Reihe nach: Eine der Familien hat keinen Schalter für diesen Weg.</translation>
    </message>
    <message>
        <source>It does arrive: every family has a switch for it.</source>
        <translation>Er kommt doch an: Jede Familie hat einen Schalter für ihn.</translation>
    </message>
    <message>
        <source>The column is not right: the run along x ends where j = i + c2 holds.</source>
        <translation>Die Spalte stimmt nicht: Der Abschnitt entlang x endet dort, wo j = i + c2 gilt.</translation>
    </message>
    <message>
        <source>The row is not right: the run along z ends where k = j + c3 holds.</source>
        <translation>Die Zeile stimmt nicht: Der Abschnitt entlang z endet dort, wo k = j + c3 gilt.</translation>
    </message>
    <message>
        <source>The route goes down until i = k + c1 holds, if some level k in the network does that.</source>
        <translation>Der Weg führt nach unten, bis i = k + c1 gilt, sofern eine Schicht k im Netzwerk das erfüllt.</translation>
    </message>
    <message>
        <source>Follow the turns in order: the i = k + c1 family first, then j = i + c2, then k2 = j + c3.</source>
        <translation>Folgen Sie den Abbiegungen der Reihe nach: zuerst die Familie i = k + c1, dann j = i + c2, dann k2 = j + c3.</translation>
    </message>
    <message>
        <source>Work backwards: terminal (i, j) arrives at (j - c2, i - c1 - c3) when every turn is in the network.</source>
        <translation>Rechnen Sie rückwärts: Anschluss (i, j) kommt bei (j - c2, i - c1 - c3) an, wenn jede Abbiegung im Netzwerk liegt.</translation>
    </message>
    <message>
        <source>With these offsets the route dies: the %1 family has no switch for it.</source>
        <translation>Mit diesen Versätzen endet der Weg in einer Sackgasse: Die Familie %1 hat keinen Schalter für ihn.</translation>
    </message>
    <message>
        <source>With these offsets it arrives at %1: the column follows from c2, the row from c1 and c3.</source>
        <translation>Mit diesen Versätzen kommt er bei %1 an: Die Spalte ergibt sich aus c2, die Zeile aus c1 und c3.</translation>
    </message>
    <message>
        <source>for example %1: %2</source>
        <extracomment>%1 offsets &quot;c1 = 1, c2 = 0, c3 = 2&quot;, %2 the route&apos;s description</extracomment>
        <translation>zum Beispiel %1: %2</translation>
    </message>
    <message>
        <source>no terminal arrives at %1: no (i, j) in the network has j - c2 = %2 and i - c1 - c3 = %3 with every turn inside it.</source>
        <translation>kein Anschluss kommt bei %1 an: Kein (i, j) im Netzwerk hat j - c2 = %2 und i - c1 - c3 = %3, ohne dass eine Abbiegung außerhalb liegt.</translation>
    </message>
    <message>
        <source>Where does it arrive</source>
        <translation>Wo kommt er an</translation>
    </message>
    <message>
        <source>Where does it turn</source>
        <translation>Wo biegt er ab</translation>
    </message>
    <message>
        <source>Which family ends it</source>
        <translation>An welcher Familie endet er</translation>
    </message>
    <message>
        <source>Which terminal arrives</source>
        <translation>Welcher Anschluss kommt an</translation>
    </message>
    <message>
        <source>Set the offsets</source>
        <translation>Versätze einstellen</translation>
    </message>
</context>
<context>
    <name>PracticePanel</name>
    <message>
        <source>The seed: the same seed and level give the same questions</source>
        <translation>Der Startwert: Gleicher Startwert und gleiche Stufe ergeben dieselben Fragen</translation>
    </message>
    <message>
        <source>small</source>
        <translation>klein</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>large</source>
        <translation>groß</translation>
    </message>
    <message>
        <source>small: N = 3 to 5, at most one offset; medium: N = 4 to 8; large: N = 8 to 15</source>
        <translation>klein: N = 3 bis 5, höchstens ein Versatz; mittel: N = 4 bis 8; groß: N = 8 bis 15</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Startwert:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Column i of your answer</source>
        <translation>Spalte i Ihrer Antwort</translation>
    </message>
    <message>
        <source>Row j of your answer</source>
        <translation>Zeile j Ihrer Antwort</translation>
    </message>
    <message>
        <source>Level k of your answer</source>
        <translation>Schicht k Ihrer Antwort</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>It dies</source>
        <translation>Er endet in einer Sackgasse</translation>
    </message>
    <message>
        <source>none: it arrives</source>
        <translation>keine: er kommt an</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Nächste Frage</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Your name, for the summary you hand in</source>
        <translation>Ihr Name für die Auswertung, die Sie abgeben</translation>
    </message>
    <message>
        <source>Student&apos;s name</source>
        <translation>Name der oder des Studierenden</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Summary of the round</source>
        <translation>Auswertung der Runde</translation>
    </message>
    <message>
        <source>Copy Summary</source>
        <translation>Auswertung kopieren</translation>
    </message>
    <message>
        <source>Save Summary...</source>
        <translation>Auswertung speichern...</translation>
    </message>
    <message>
        <source>This lesson&apos;s practice set: 1 question, seed %1, %2.</source>
        <translation>Übungssatz dieser Lektion: 1 Frage, Startwert %1, %2.</translation>
    </message>
    <message>
        <source>This lesson&apos;s practice set: %1 questions, seed %2, %3.</source>
        <translation>Übungssatz dieser Lektion: %1 Fragen, Startwert %2, %3.</translation>
    </message>
    <message>
        <source>Every student who starts it gets the same questions.</source>
        <translation>Alle Studierenden, die ihn starten, bekommen dieselben Fragen.</translation>
    </message>
    <message>
        <source>Practice question</source>
        <translation>Übungsfrage</translation>
    </message>
    <message>
        <source>None arrives</source>
        <translation>Keiner kommt an</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 von %2 richtig</translation>
    </message>
    <message>
        <source>Press Start for the lesson&apos;s questions about the network.</source>
        <translation>Klicken Sie auf „Starten“, um die Fragen der Lektion zum Netzwerk zu erhalten.</translation>
    </message>
    <message>
        <source>Choose a seed and a level and press Start: ten questions about the network.</source>
        <translation>Wählen Sie einen Startwert und eine Stufe und klicken Sie auf „Starten“: zehn Fragen zum Netzwerk.</translation>
    </message>
    <message>
        <source>Question %1 of %2 (%3): </source>
        <translation>Frage %1 von %2 (%3): </translation>
    </message>
    <message>
        <source> Use the offset boxes on the left, then Check.</source>
        <translation> Stellen Sie die Versätze links ein und klicken Sie dann auf „Prüfen“.</translation>
    </message>
    <message>
        <source>Right. </source>
        <translation>Richtig. </translation>
    </message>
    <message>
        <source>Right, on the second try: counted as missed. </source>
        <translation>Richtig, aber erst im zweiten Versuch: zählt als verfehlt. </translation>
    </message>
    <message>
        <source>Not quite: try once more. </source>
        <translation>Nicht ganz. Versuchen Sie es noch einmal. </translation>
    </message>
    <message>
        <source>Not quite: </source>
        <translation>Nicht ganz: </translation>
    </message>
    <message>
        <source>Practice answer</source>
        <translation>Übungsantwort</translation>
    </message>
    <message>
        <source>Seed %1, %2: %3 of %4 right</source>
        <translation>Startwert %1, %2: %3 von %4 richtig</translation>
    </message>
    <message>
        <source>%1: %2 right, %3 wrong</source>
        <translation>%1: %2 richtig, %3 falsch</translation>
    </message>
    <message>
        <source>Missed %1: %2 (%3)</source>
        <translation>Frage %1 verfehlt: %2 (%3)</translation>
    </message>
    <message>
        <source>Press Enter or double-click to see its route again</source>
        <translation>Drücken Sie die Eingabetaste oder doppelklicken Sie, um den Weg noch einmal zu sehen</translation>
    </message>
    <message>
        <source>The round is over: %1 of %2 right.</source>
        <translation>Die Runde ist vorbei: %1 von %2 richtig.</translation>
    </message>
    <message>
        <source>Student: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Lektion: %1</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>practice %1</source>
        <translation>Übung %1</translation>
    </message>
    <message>
        <source>Save Summary</source>
        <translation>Auswertung speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>The summary could not be saved to %1:
%2</source>
        <translation>Die Auswertung konnte nicht unter %1 gespeichert werden:
%2</translation>
    </message>
</context>
<context>
    <name>Presenter</name>
    <message>
        <source>&amp;Present</source>
        <translation>&amp;Präsentieren</translation>
    </message>
    <message>
        <source>Smooth &amp;Transitions</source>
        <translation>&amp;Weiche Übergänge</translation>
    </message>
    <message>
        <source>Show the scenes one after another, full screen</source>
        <translation>Die Szenen nacheinander im Vollbild zeigen</translation>
    </message>
    <message>
        <source>Presenter</source>
        <translation>Referentenansicht</translation>
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
        <translation>Szene %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Next:&lt;/b&gt; %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Als Nächstes:&lt;/b&gt; %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Next:&lt;/b&gt; the end&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Als Nächstes:&lt;/b&gt; das Ende&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>cannot be saved: %1</source>
        <translation>kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>der Dateiname ist leer</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>The drawing could not be started.</source>
        <translation>Die Zeichnung konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>The drawing could not be finished.</source>
        <translation>Die Zeichnung konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>The document could not be started.</source>
        <translation>Das Dokument konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The document could not be finished.</source>
        <translation>Das Dokument konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>The figure has no size.</source>
        <translation>Die Abbildung hat keine Größe.</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of %1 x %2 pixels.</source>
        <translation>Für ein Bild von %1 x %2 Pixeln reicht der Speicher nicht aus.</translation>
    </message>
    <message>
        <source>A picture is not drawn as vectors.</source>
        <translation>Ein Rasterbild wird nicht als Vektorgrafik gezeichnet.</translation>
    </message>
    <message>
        <source>The page has no size.</source>
        <translation>Die Seite hat keine Größe.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>The lesson has no scenes.</source>
        <translation>Die Lektion hat keine Szenen.</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Pictures cannot be saved as &quot;%1&quot;.</source>
        <translation>Bilder können nicht als „%1“ gespeichert werden.</translation>
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
        <translation>Wo jeder Anschluss ankommt</translation>
    </message>
    <message>
        <source>Columns i, rows j; a route dies at the family named: %1</source>
        <translation>Spalten i, Zeilen j; ein Weg endet an der angegebenen Familie: %1</translation>
    </message>
    <message>
        <source>hidden during the question</source>
        <translation>während der Frage ausgeblendet</translation>
    </message>
</context>
<context>
    <name>RouteStepper</name>
    <message>
        <source>Choose a marked route and step through it with ▶| or play it with ▶.</source>
        <translation>Wählen Sie einen markierten Weg und gehen Sie ihn mit ▶| Schritt für Schritt durch oder spielen Sie ihn mit ▶ ab.</translation>
    </message>
</context>
<context>
    <name>RouteText</name>
    <message>
        <source>unmarked</source>
        <translation>unmarkiert</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>red + green</source>
        <translation>rot + grün</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>red + blue</source>
        <translation>rot + blau</translation>
    </message>
    <message>
        <source>green + blue</source>
        <translation>grün + blau</translation>
    </message>
    <message>
        <source>red + green + blue</source>
        <translation>rot + grün + blau</translation>
    </message>
    <message>
        <source>terminal %1: %2.</source>
        <extracomment>%1 the start terminal &quot;(1, 3)&quot;, then the route&apos;s legs in order</extracomment>
        <translation>Anschluss %1: %2.</translation>
    </message>
    <message>
        <source>terminal %1: %2; %3.</source>
        <extracomment>%1 the start terminal &quot;(1, 3)&quot;, then the route&apos;s legs in order</extracomment>
        <translation>Anschluss %1: %2; %3.</translation>
    </message>
    <message>
        <source>terminal %1: %2; %3; %4.</source>
        <extracomment>%1 the start terminal &quot;(1, 3)&quot;, then the route&apos;s legs in order</extracomment>
        <translation>Anschluss %1: %2; %3; %4.</translation>
    </message>
    <message>
        <source>terminal %1: %2; %3; %4; %5.</source>
        <extracomment>%1 the start terminal &quot;(1, 3)&quot;, then the route&apos;s legs in order</extracomment>
        <translation>Anschluss %1: %2; %3; %4; %5.</translation>
    </message>
    <message>
        <source>dies at once: no level k in 0..%1 with %2 = %3 %4</source>
        <translation>endet sofort in einer Sackgasse: keine Schicht k in 0..%1 mit %2 = %3 %4</translation>
    </message>
    <message>
        <source>then dies: no column i in 0..%1 with %2 = %3 %4</source>
        <translation>endet dann in einer Sackgasse: keine Spalte i in 0..%1 mit %2 = %3 %4</translation>
    </message>
    <message>
        <source>then dies: no row j in 0..%1 with %2 = %3 %4</source>
        <translation>endet dann in einer Sackgasse: keine Zeile j in 0..%1 mit %2 = %3 %4</translation>
    </message>
    <message>
        <source>down to level k = %1 at switch %2 %3</source>
        <translation>nach unten bis Schicht k = %1 an Schalter %2 %3</translation>
    </message>
    <message>
        <source>along x to i1 = %1 at switch %2 %3</source>
        <translation>entlang x bis i1 = %1 an Schalter %2 %3</translation>
    </message>
    <message>
        <source>along z to j1 = %1 at switch %2 %3</source>
        <translation>entlang z bis j1 = %1 an Schalter %2 %3</translation>
    </message>
    <message>
        <source>up to terminal %1, where it arrives</source>
        <translation>nach oben zu Anschluss %1, wo er ankommt</translation>
    </message>
    <message numerus="yes">
        <source>step %1 of %n: at terminal %2</source>
        <translation>
            <numerusform>Schritt %1 von %n: an Anschluss %2</numerusform>
            <numerusform>Schritt %1 von %n: an Anschluss %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>step %1 of %n: %2</source>
        <extracomment>%2 one leg of the route, as in &quot;down to level k = 1 at switch (1, 3, 1) [i = k + c1]&quot;</extracomment>
        <translation>
            <numerusform>Schritt %1 von %n: %2</numerusform>
            <numerusform>Schritt %1 von %n: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>terminal %1</source>
        <translation>Anschluss %1</translation>
    </message>
    <message>
        <source>terminal %1: its route arrives at terminal %2</source>
        <translation>Anschluss %1: sein Weg kommt bei Anschluss %2 an</translation>
    </message>
    <message>
        <source>terminal %1: its route dies at %2</source>
        <translation>Anschluss %1: sein Weg endet bei %2 in einer Sackgasse</translation>
    </message>
    <message>
        <source>%1; marked %2</source>
        <extracomment>%1 what is said of the box so far, %2 colours such as &quot;red + blue&quot;</extracomment>
        <translation>%1; markiert: %2</translation>
    </message>
    <message>
        <source>%1; reached by %2</source>
        <extracomment>%1 what is said of the terminal so far, %2 colours such as &quot;red + blue&quot;</extracomment>
        <translation>%1; erreicht von: %2</translation>
    </message>
    <message>
        <source>switch %1</source>
        <translation>Schalter %1</translation>
    </message>
    <message>
        <source>switch %1: on no family</source>
        <translation>Schalter %1: gehört zu keiner Familie</translation>
    </message>
    <message>
        <source>switch %1: on %2</source>
        <translation>Schalter %1: gehört zu %2</translation>
    </message>
    <message>
        <source>%1; marked routes turn here: from %2</source>
        <extracomment>%1 what is said of the switch so far, %2 start terminals &quot;(1, 3), (0, 0)&quot;</extracomment>
        <translation>%1; markierte Wege biegen hier ab: von %2</translation>
    </message>
    <message>
        <source>dies: %1</source>
        <translation>endet: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n terminals arrive; %2: %3</source>
        <extracomment>%1 how many arrive, %2 the offsets &quot;c1 = 1, c2 = -1, c3 = 2&quot;, %3 where (i, j) goes</extracomment>
        <translation>
            <numerusform>Ankommend: %1 von %n Anschluss; %2: %3</numerusform>
            <numerusform>Ankommend: %1 von %n Anschlüssen; %2: %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n terminal marked</source>
        <translation>
            <numerusform>%n Anschluss markiert</numerusform>
            <numerusform>%n Anschlüsse markiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n terminals marked</source>
        <translation>
            <numerusform>%n Anschluss markiert</numerusform>
            <numerusform>%n Anschlüsse markiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n arrives</source>
        <translation>
            <numerusform>%n kommt an</numerusform>
            <numerusform>%n kommen an</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n arrive</source>
        <translation>
            <numerusform>%n kommt an</numerusform>
            <numerusform>%n kommen an</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dies</source>
        <translation>
            <numerusform>%n endet in einer Sackgasse</numerusform>
            <numerusform>%n enden in einer Sackgasse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n die</source>
        <translation>
            <numerusform>%n endet in einer Sackgasse</numerusform>
            <numerusform>%n enden in einer Sackgasse</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2: %3, %4.</source>
        <extracomment>%1 &quot;N = 4, c1 = 0, ...&quot;, %2 &quot;2 terminals marked&quot;, %3 &quot;1 arrives&quot;, %4 &quot;1 dies&quot;</extracomment>
        <translation>%1; %2: %3, %4.</translation>
    </message>
</context>
<context>
    <name>RoutesPanel</name>
    <message>
        <source>Lesson notes</source>
        <translation>Lektionsnotizen</translation>
    </message>
    <message>
        <source>Marked terminals and their routes</source>
        <translation>Markierte Anschlüsse und ihre Wege</translation>
    </message>
    <message>
        <source>Focus on the marked routes</source>
        <translation>Fokus auf die markierten Wege</translation>
    </message>
    <message>
        <source>Destinations and marked switches</source>
        <translation>Ziele und markierte Schalter</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markieren</translation>
    </message>
    <message>
        <source>Column i of the terminal or switch to mark</source>
        <translation>Spalte i des zu markierenden Anschlusses oder Schalters</translation>
    </message>
    <message>
        <source>Row j of the terminal or switch to mark</source>
        <translation>Zeile j des zu markierenden Anschlusses oder Schalters</translation>
    </message>
    <message>
        <source>Level k of the switch to mark, or top for a terminal</source>
        <translation>Schicht k des zu markierenden Schalters oder „oben“ für einen Anschluss</translation>
    </message>
    <message>
        <source>top</source>
        <translation>oben</translation>
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
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Toggle a %1 mark, as a click with the %2 button would</source>
        <translation>Markierung (%1) setzen oder entfernen, wie es ein Klick mit der %2 Maustaste täte</translation>
    </message>
    <message>
        <source>left</source>
        <translation>linken</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>mittleren</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechten</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Clear every mark, as a click on empty space would</source>
        <translation>Alle Markierungen entfernen, wie es ein Klick auf eine leere Stelle täte</translation>
    </message>
    <message>
        <source>Back to the start of the route</source>
        <translation>Zurück zum Anfang des Wegs</translation>
    </message>
    <message>
        <source>One leg back (Comma)</source>
        <translation>Einen Abschnitt zurück (Komma)</translation>
    </message>
    <message>
        <source>Play the route leg by leg, or pause (P)</source>
        <translation>Den Weg Abschnitt für Abschnitt abspielen oder anhalten (P)</translation>
    </message>
    <message>
        <source>One leg further (Period)</source>
        <translation>Einen Abschnitt weiter (Punkt)</translation>
    </message>
    <message>
        <source>Legs per second while playing, 0.5 to 4</source>
        <translation>Abschnitte pro Sekunde beim Abspielen, 0,5 bis 4</translation>
    </message>
    <message>
        <source>terminal (%1, %2) is reached by %3</source>
        <translation>Anschluss (%1, %2) wird erreicht von: %3</translation>
    </message>
    <message>
        <source>No route arrives.</source>
        <translation>Kein Weg kommt an.</translation>
    </message>
    <message>
        <source>switch (%1, %2, %3) is marked %4</source>
        <translation>Schalter (%1, %2, %3) ist markiert: %4</translation>
    </message>
    <message>
        <source>No switch is marked.</source>
        <translation>Kein Schalter ist markiert.</translation>
    </message>
    <message>
        <source>No terminal is marked: click one, or use the form below.</source>
        <translation>Kein Anschluss ist markiert: Klicken Sie auf einen oder verwenden Sie das Formular unten.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>SceneListModel</name>
    <message>
        <source>Scene %1</source>
        <translation>Szene %1</translation>
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
        <translation>Die Szenen der Lektion: Wählen Sie eine aus, um sie anzuzeigen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add a scene showing what the view shows now</source>
        <translation>Eine Szene hinzufügen, die den aktuellen Stand der Ansicht zeigt</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Copy the scene, with its title and notes</source>
        <translation>Die Szene samt Titel und Notizen kopieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the scene</source>
        <translation>Die Szene löschen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move the scene one place earlier</source>
        <translation>Die Szene um eine Stelle nach vorn verschieben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move the scene one place later</source>
        <translation>Die Szene um eine Stelle nach hinten verschieben</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Give the scene a title</source>
        <translation>Der Szene einen Titel geben</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Turn a 3D model of the Transpose Switch network and follow its routes.</source>
        <translation>Ein 3D-Modell des Transpose-Switch-Netzwerks drehen und seinen Wegen folgen.</translation>
    </message>
    <message>
        <source>Write the picture of the lesson (or of the start) to FILE and exit.</source>
        <translation>Das Bild der Lektion (oder der Startansicht) in FILE schreiben und beenden.</translation>
    </message>
    <message>
        <source>The exported picture&apos;s size: pixels, or millimetres for PDF.</source>
        <translation>Die Größe des exportierten Bilds: Pixel, bei PDF Millimeter.</translation>
    </message>
    <message>
        <source>screen (black, the default) or print (white) for --export.</source>
        <translation>screen (schwarz, die Voreinstellung) oder print (weiß) für --export.</translation>
    </message>
    <message>
        <source>Put N, the offsets and the lesson&apos;s title under the exported picture.</source>
        <translation>N, die Versätze und den Titel der Lektion unter das exportierte Bild setzen.</translation>
    </message>
    <message>
        <source>List the marked routes beside the exported picture.</source>
        <translation>Die markierten Wege neben dem exportierten Bild auflisten.</translation>
    </message>
    <message>
        <source>Export exactly what the window shows instead of fitting the model to the picture.</source>
        <translation>Genau das exportieren, was das Fenster zeigt, statt das Modell an das Bild anzupassen.</translation>
    </message>
    <message>
        <source>Name the axes and number the indices in the exported picture, as View → Labels does.</source>
        <translation>Im exportierten Bild die Achsen benennen und die Indizes nummerieren, wie Ansicht → Beschriftungen.</translation>
    </message>
    <message>
        <source>Draw the boxes no marked route touches as faint frames in the exported picture, as View → Focus on Marked Routes does.</source>
        <translation>Im exportierten Bild die Quader, die kein markierter Weg berührt, als blasse Rahmen zeichnen, wie Ansicht → Fokus auf markierte Wege.</translation>
    </message>
    <message>
        <source>Export every scene of the lesson: a PDF of a page each (the figure, the scene&apos;s title and notes), or with --format svg or png a folder of numbered files. For print unless --background says otherwise.</source>
        <translation>Alle Szenen der Lektion exportieren: ein PDF mit je einer Seite (die Abbildung, Titel und Notizen der Szene) oder mit --format svg oder png einen Ordner nummerierter Dateien. Für den Druck, sofern --background nichts anderes angibt.</translation>
    </message>
    <message>
        <source>pdf, svg or png: what --handout writes (by default PDF, for a FILE ending in .pdf).</source>
        <translation>pdf, svg oder png: was --handout schreibt (standardmäßig PDF, bei einer Datei FILE mit der Endung .pdf).</translation>
    </message>
    <message>
        <source>Start in practice with this seed.</source>
        <translation>Mit diesem Startwert im Übungsmodus beginnen.</translation>
    </message>
    <message>
        <source>The practice level: small, medium or large.</source>
        <translation>Die Übungsstufe: small, medium oder large.</translation>
    </message>
    <message>
        <source>A lesson file (.tslesson) to open.</source>
        <translation>Eine zu öffnende Lektionsdatei (.tslesson).</translation>
    </message>
    <message>
        <source>one lesson at a time, not %1</source>
        <translation>nur eine Lektion auf einmal, nicht %1</translation>
    </message>
    <message>
        <source>--%1 goes with --export</source>
        <translation>--%1 geht nur zusammen mit --export</translation>
    </message>
    <message>
        <source>--format goes with --handout</source>
        <translation>--format geht nur zusammen mit --handout</translation>
    </message>
    <message>
        <source>--level goes with --practice</source>
        <translation>--level geht nur zusammen mit --practice</translation>
    </message>
    <message>
        <source>--practice takes a whole number, not &quot;%1&quot;</source>
        <translation>--practice erwartet eine ganze Zahl, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--level must be small, medium or large, not &quot;%1&quot;</source>
        <translation>--level muss small, medium oder large sein, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--export needs a file name, and the one given is empty</source>
        <translation>--export braucht einen Dateinamen, und der angegebene ist leer</translation>
    </message>
    <message>
        <source>--background must be print or screen, not &quot;%1&quot;</source>
        <translation>--background muss print oder screen sein, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--format must be pdf, svg or png, not &quot;%1&quot;</source>
        <translation>--format muss pdf, svg oder png sein, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--handout writes a .pdf file, or a folder with --format svg or png</source>
        <translation>--handout schreibt eine .pdf-Datei oder, mit --format svg oder png, einen Ordner</translation>
    </message>
    <message>
        <source>--image-size must be WIDTHxHEIGHT, each 1 to %1, not &quot;%2&quot;</source>
        <translation>--image-size muss BREITExHÖHE sein, jeweils 1 bis %1, nicht &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The language for this run: %1.</source>
        <translation>Die Sprache für diesen Programmlauf: %1.</translation>
    </message>
    <message>
        <source>--lang must be one of %1, not &quot;%2&quot;</source>
        <translation>--lang muss einer der Werte %1 sein, nicht &quot;%2&quot;</translation>
    </message>
</context>
</TS>
