<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Ovatron</source>
        <translation>Über Ovatron</translation>
    </message>
    <message>
        <source>Ovatron, Version %1.%2</source>
        <translation>Ovatron, Version %1.%2</translation>
    </message>
    <message>
        <source>The applause meter for live events.</source>
        <translation>Der Applausmesser für Live-Veranstaltungen.</translation>
    </message>
</context>
<context>
    <name>AudienceWindow</name>
    <message>
        <source>%1 Audience Screen</source>
        <translation>%1 Publikumsbildschirm</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gewinnt</translation>
    </message>
</context>
<context>
    <name>AudioInput</name>
    <message>
        <source>No microphone was found; the meter follows the keyboard.</source>
        <translation>Kein Mikrofon gefunden; der Messer folgt der Tastatur.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; is not connected; the meter follows the keyboard.</source>
        <translation>Das Mikrofon &quot;%1&quot; ist nicht angeschlossen; der Messer folgt der Tastatur.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; was disconnected; the meter follows the keyboard.</source>
        <translation>Das Mikrofon &quot;%1&quot; wurde getrennt; der Messer folgt der Tastatur.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; offers no sound format Ovatron can read; the meter follows the keyboard.</source>
        <translation>Das Mikrofon &quot;%1&quot; bietet kein Tonformat, das Ovatron lesen kann; der Messer folgt der Tastatur.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; stopped recording; the meter follows the keyboard.</source>
        <translation>Das Mikrofon &quot;%1&quot; nimmt nicht mehr auf; der Messer folgt der Tastatur.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; cannot be read.</source>
        <translation>Die Tondatei &quot;%1&quot; kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; is not a WAV file.</source>
        <translation>Die Tondatei &quot;%1&quot; ist keine WAV-Datei.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; is neither 16-bit PCM nor 32-bit float.</source>
        <translation>Die Tondatei &quot;%1&quot; ist weder 16-Bit-PCM noch 32-Bit-Gleitkomma.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; holds no sound.</source>
        <translation>Die Tondatei &quot;%1&quot; enthält keinen Ton.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; is back; listening again.</source>
        <translation>Das Mikrofon &quot;%1&quot; ist wieder da; es wird wieder gemessen.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The applause meter for live events.</source>
        <translation>Der Applausmesser für Live-Veranstaltungen.</translation>
    </message>
    <message>
        <source>Write the results of the latest event to FILE (.csv or .pdf) and stop, without opening a window.</source>
        <translation>Die Ergebnisse der letzten Veranstaltung in DATEI (.csv oder .pdf) schreiben und beenden, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Measure the sound of the WAV file FILE, played in a loop, instead of the microphone (for rehearsals and tests); given up to four times, each file is one microphone, in order.</source>
        <translation>Den Klang der WAV-Datei DATEI in einer Schleife messen statt des Mikrofons (für Proben und Tests); bis zu viermal angegeben ist jede Datei ein Mikrofon, der Reihe nach.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>Switch show control on for this run, on PORT, for this computer only (127.0.0.1).</source>
        <translation>Die Show-Steuerung für diesen Lauf auf PORT einschalten, nur für diesen Computer (127.0.0.1).</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>PORT</translation>
    </message>
    <message>
        <source>Not a port (1 to 65535): %1</source>
        <translation>Kein Port (1 bis 65535): %1</translation>
    </message>
    <message>
        <source>With --export: write only the round called NAME.</source>
        <translation>Mit --export: nur die Runde namens NAME schreiben.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>--audio-file is given %1 times: at most %2 files, one for each microphone.</source>
        <translation>--audio-file ist %1-mal angegeben: höchstens %2 Dateien, eine für jedes Mikrofon.</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schrift</translation>
    </message>
    <message>
        <source>Edit &amp;Font</source>
        <translation>&amp;Schrift ändern</translation>
    </message>
    <message>
        <source>&amp;Use League Table</source>
        <translation>&amp;Rangliste verwenden</translation>
    </message>
    <message>
        <source>&amp;Clear League Table</source>
        <translation>Rangliste &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Edit Preload List</source>
        <translation>&amp;Startliste bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Show Summary Screen</source>
        <translation>&amp;Zusammenfassung zeigen</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhalt...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Hilfe...</translation>
    </message>
    <message>
        <source>&amp;About Ovatron...</source>
        <translation>Ü&amp;ber Ovatron...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Audience Screen</source>
        <translation>&amp;Publikumsbildschirm</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Export Results...</source>
        <translation>Ergebnisse &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Measure &amp;With Microphone</source>
        <translation>Mit Mikrofon &amp;messen</translation>
    </message>
    <message>
        <source>&amp;Microphone...</source>
        <translation>Mi&amp;krofon...</translation>
    </message>
    <message>
        <source>Show &amp;Control...</source>
        <translation>Show-&amp;Steuerung...</translation>
    </message>
    <message>
        <source>&amp;Turn Length</source>
        <translation>&amp;Rundenlänge</translation>
    </message>
    <message>
        <source>Un&amp;do %1</source>
        <translation>Rück&amp;gängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Re&amp;name Contestant...</source>
        <translation>Teilnehmer &amp;umbenennen...</translation>
    </message>
    <message>
        <source>Rem&amp;ove Contestant...</source>
        <translation>Teilnehmer en&amp;tfernen...</translation>
    </message>
    <message>
        <source>Measure A&amp;gain</source>
        <translation>&amp;Noch einmal messen</translation>
    </message>
    <message>
        <source>Un&amp;do</source>
        <translation>Rück&amp;gängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>E&amp;vent...</source>
        <translation>&amp;Veranstaltung...</translation>
    </message>
    <message>
        <source>Show &amp;Winners</source>
        <translation>Sieger &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Hide Scores</source>
        <translation>Punkte ver&amp;bergen</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <translation>&amp;Aufdecken</translation>
    </message>
    <message>
        <source>&amp;OSC...</source>
        <translation>&amp;OSC...</translation>
    </message>
    <message>
        <source>Turn Deta&amp;ils...</source>
        <translation>&amp;Details der Runde...</translation>
    </message>
    <message>
        <source>&amp;Sound Cues...</source>
        <translation>&amp;Klangsignale...</translation>
    </message>
    <message>
        <source>&amp;New Round...</source>
        <translation>&amp;Neue Runde...</translation>
    </message>
    <message>
        <source>&amp;Rename Round...</source>
        <translation>Runde &amp;umbenennen...</translation>
    </message>
    <message>
        <source>Remo&amp;ve Round</source>
        <translation>Runde &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Clap-off...</source>
        <translation>&amp;Stechen...</translation>
    </message>
    <message>
        <source>&amp;Rounds</source>
        <translation>&amp;Runden</translation>
    </message>
    <message>
        <source>Due&amp;l...</source>
        <translation>Due&amp;ll...</translation>
    </message>
    <message>
        <source>Close &amp;Marking</source>
        <translation>&amp;Wertung schließen</translation>
    </message>
    <message>
        <source>&amp;Jury...</source>
        <translation>&amp;Jury...</translation>
    </message>
    <message>
        <source>Reo&amp;pen Marking</source>
        <translation>Wertung wieder ö&amp;ffnen</translation>
    </message>
</context>
<context>
    <name>CorrectionCommands</name>
    <message>
        <source>Rename %1 to %2</source>
        <translation>%1 in %2 umbenennen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Measure Again %1</source>
        <translation>%1 noch einmal messen</translation>
    </message>
    <message>
        <source>Clear League Table</source>
        <translation>Rangliste leeren</translation>
    </message>
</context>
<context>
    <name>CueDirector</name>
    <message>
        <source>%1 The project&apos;s own cue plays instead.</source>
        <translation>%1 Stattdessen erklingt das eigene Signal des Programms.</translation>
    </message>
    <message>
        <source>The microphone is measuring a turn: cues wait until it ends.</source>
        <translation>Das Mikrofon misst einen Auftritt: Signale warten, bis er endet.</translation>
    </message>
    <message>
        <source>The sound cues&apos; module cannot be loaded.</source>
        <translation>Das Modul der Klangsignale kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>The sound cues&apos; module cannot be loaded: %1</source>
        <translation>Das Modul der Klangsignale kann nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>CuePlayer</name>
    <message>
        <source>The sound cues are silent: no loudspeaker output.</source>
        <translation>Die Klangsignale bleiben stumm: kein Lautsprecherausgang.</translation>
    </message>
    <message>
        <source>The sound cues cannot play on %1.</source>
        <translation>Die Klangsignale können auf %1 nicht spielen.</translation>
    </message>
    <message>
        <source>A sound cue stopped: the output failed.</source>
        <translation>Ein Klangsignal brach ab: der Ausgang ist ausgefallen.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is not a WAV file.</source>
        <translation>%1 ist keine WAV-Datei.</translation>
    </message>
    <message>
        <source>%1 is compressed or 24-bit; save it as 16-bit PCM.</source>
        <translation>%1 ist komprimiert oder 24-Bit; speichern Sie sie als 16-Bit-PCM.</translation>
    </message>
    <message>
        <source>%1 holds no sound.</source>
        <translation>%1 enthält keinen Klang.</translation>
    </message>
    <message>
        <source>%1 is longer than a minute; a cue lasts seconds.</source>
        <translation>%1 ist länger als eine Minute; ein Signal dauert Sekunden.</translation>
    </message>
</context>
<context>
    <name>DuelDialog</name>
    <message>
        <source>Duel</source>
        <translation>Duell</translation>
    </message>
    <message>
        <source>&amp;Left side:</source>
        <translation>&amp;Linke Seite:</translation>
    </message>
    <message>
        <source>Heard &amp;by:</source>
        <translation>Ge&amp;hört von:</translation>
    </message>
    <message>
        <source>&amp;Right side:</source>
        <translation>&amp;Rechte Seite:</translation>
    </message>
    <message>
        <source>Hea&amp;rd by:</source>
        <translation>Gehör&amp;t von:</translation>
    </message>
</context>
<context>
    <name>EventDialog</name>
    <message>
        <source>Event</source>
        <translation>Veranstaltung</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Auswählen...</translation>
    </message>
    <message>
        <source>&amp;No Logo</source>
        <translation>&amp;Kein Logo</translation>
    </message>
    <message>
        <source>Event &amp;name:</source>
        <translation>&amp;Name der Veranstaltung:</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>Event Logo</source>
        <translation>Logo der Veranstaltung</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keines)</translation>
    </message>
    <message>
        <source>%1 could not be copied into %2.</source>
        <translation>%1 konnte nicht nach %2 kopiert werden.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>EventLogo</name>
    <message>
        <source>the file is missing</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <source>it is not a readable picture</source>
        <translation>es ist kein lesbares Bild</translation>
    </message>
    <message>
        <source>it is too large (%1 x %2 pixels)</source>
        <translation>es ist zu groß (%1 x %2 Pixel)</translation>
    </message>
</context>
<context>
    <name>EventStore</name>
    <message>
        <source>Results are not being saved: %1.</source>
        <translation>Ergebnisse werden nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>the results file is in use by another copy of Ovatron</source>
        <translation>die Ergebnisdatei wird von einer anderen Ovatron-Kopie benutzt</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Ovatron</source>
        <translation>%1 wurde von einer neueren Version von Ovatron geschrieben</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 cannot be read, nor renamed to keep it</source>
        <translation>%1 kann weder gelesen noch zur Aufbewahrung umbenannt werden</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>die Festplatte ist voll</translation>
    </message>
    <message>
        <source>%1 cannot be used (%2)</source>
        <translation>%1 kann nicht verwendet werden (%2)</translation>
    </message>
    <message>
        <source>The results file could not be read; it was kept as %1 and a new one was started.</source>
        <translation>Die Ergebnisdatei war nicht lesbar; sie wurde als %1 aufbewahrt und eine neue begonnen.</translation>
    </message>
    <message>
        <source>There are no stored results to export.</source>
        <translation>Es gibt keine gespeicherten Ergebnisse zum Exportieren.</translation>
    </message>
    <message>
        <source>Some stored curves of turns could not be read and are not shown; their scores are kept.</source>
        <translation>Einige gespeicherte Kurven von Runden konnten nicht gelesen werden und werden nicht gezeigt; ihre Punkte bleiben erhalten.</translation>
    </message>
    <message>
        <source>Ovatron keeps them and saves them as soon as the disk takes them again.</source>
        <translation>Ovatron behält sie und speichert sie, sobald der Datenträger sie wieder annimmt.</translation>
    </message>
    <message>
        <source>Results are being saved again; none of this event&apos;s results were lost.</source>
        <translation>Die Ergebnisse werden wieder gespeichert; keines der Ergebnisse dieser Veranstaltung ging verloren.</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>Runde 1</translation>
    </message>
    <message>
        <source>Some stored marks or set-ups of the jury could not be read and are left out.</source>
        <translation>Einige gespeicherte Wertungen oder Einstellungen der Jury konnten nicht gelesen werden und werden ausgelassen.</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Durchgestrichen</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>F&amp;arbe...</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>AaBbYyZz</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schriftart:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Can&apos;t find help file</source>
        <translation>Die Hilfedatei wurde nicht gefunden</translation>
    </message>
</context>
<context>
    <name>JuryDialog</name>
    <message>
        <source>&amp;Jury on</source>
        <translation>&amp;Jury an</translation>
    </message>
    <message>
        <source>&amp;Drop each contestant&apos;s highest and lowest mark (from 4 marks up)</source>
        <translation>Höchste und niedrigste Wertung jedes Teilnehmers &amp;streichen (ab 4 Wertungen)</translation>
    </message>
    <message>
        <source>Jury</source>
        <translation>Jury</translation>
    </message>
    <message>
        <source>One judge a line, up to %1</source>
        <translation>Ein Juror pro Zeile, bis zu %1</translation>
    </message>
    <message>
        <source>Criterion</source>
        <translation>Kriterium</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>J&amp;udges:</source>
        <translation>J&amp;uroren:</translation>
    </message>
    <message>
        <source>&amp;Highest mark:</source>
        <translation>&amp;Höchste Wertung:</translation>
    </message>
    <message>
        <source>&amp;Step:</source>
        <translation>S&amp;chritt:</translation>
    </message>
    <message>
        <source>&amp;Criteria (optional):</source>
        <translation>&amp;Kriterien (optional):</translation>
    </message>
    <message>
        <source>&amp;Applause weighs:</source>
        <translation>&amp;Applaus zählt:</translation>
    </message>
    <message>
        <source>Jury &amp;weighs:</source>
        <translation>Jury &amp;zählt:</translation>
    </message>
    <message>
        <source>The judges&apos; personal links:</source>
        <translation>Die persönlichen Links der Juroren:</translation>
    </message>
    <message>
        <source>Each judge gets her link once the jury is set up.</source>
        <translation>Jeder Juror erhält seinen Link, sobald die Jury eingerichtet ist.</translation>
    </message>
    <message>
        <source>The links work once show control is on (View &gt; Show Control...).</source>
        <translation>Die Links funktionieren, sobald die Showsteuerung an ist (Ansicht &gt; Showsteuerung...).</translation>
    </message>
    <message>
        <source>(revoked)</source>
        <translation>(widerrufen)</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Issue Again</source>
        <translation>Neu ausstellen</translation>
    </message>
    <message>
        <source>Export &amp;Cards...</source>
        <translation>&amp;Karten exportieren...</translation>
    </message>
    <message>
        <source>Set up the jury first: its judges get their cards then.</source>
        <translation>Richten Sie zuerst die Jury ein: dann erhalten ihre Juroren ihre Karten.</translation>
    </message>
    <message>
        <source>Export Cards</source>
        <translation>Karten exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The cards could not be written to %1.</source>
        <translation>Die Karten konnten nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>JuryRules</name>
    <message>
        <source>Name at least one judge.</source>
        <translation>Nennen Sie mindestens einen Juror.</translation>
    </message>
    <message>
        <source>A jury has at most %1 judges.</source>
        <translation>Eine Jury hat höchstens %1 Juroren.</translation>
    </message>
    <message>
        <source>Judge %1 has no name.</source>
        <translation>Juror %1 hat keinen Namen.</translation>
    </message>
    <message>
        <source>Judge %1&apos;s name is longer than %2 characters.</source>
        <translation>Der Name von Juror %1 ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named twice among the judges.</source>
        <translation>„%1“ steht zweimal unter den Juroren.</translation>
    </message>
    <message>
        <source>The highest mark must be above 0 and at most %1.</source>
        <translation>Die höchste Wertung muss über 0 und höchstens %1 sein.</translation>
    </message>
    <message>
        <source>The step must be above 0 and at most the highest mark.</source>
        <translation>Der Schritt muss über 0 und höchstens die höchste Wertung sein.</translation>
    </message>
    <message>
        <source>Steps of %1 do not reach the highest mark, %2.</source>
        <translation>Schritte von %1 erreichen die höchste Wertung, %2, nicht.</translation>
    </message>
    <message>
        <source>A jury marks at most %1 criteria.</source>
        <translation>Eine Jury wertet höchstens %1 Kriterien.</translation>
    </message>
    <message>
        <source>Criterion %1 has no name.</source>
        <translation>Kriterium %1 hat keinen Namen.</translation>
    </message>
    <message>
        <source>Criterion %1&apos;s name is longer than %2 characters.</source>
        <translation>Der Name von Kriterium %1 ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named twice among the criteria.</source>
        <translation>„%1“ steht zweimal unter den Kriterien.</translation>
    </message>
    <message>
        <source>The weight of &quot;%1&quot; must be from 1 to %2.</source>
        <translation>Das Gewicht von „%1“ muss zwischen 1 und %2 liegen.</translation>
    </message>
    <message>
        <source>The weights of the applause and the jury must be from 0 to %1.</source>
        <translation>Die Gewichte von Applaus und Jury müssen zwischen 0 und %1 liegen.</translation>
    </message>
    <message>
        <source>The applause and the jury cannot both weigh 0.</source>
        <translation>Applaus und Jury können nicht beide 0 zählen.</translation>
    </message>
    <message>
        <source>A mark is from 0 to %1.</source>
        <translation>Eine Wertung liegt zwischen 0 und %1.</translation>
    </message>
    <message>
        <source>A mark goes in steps of %1.</source>
        <translation>Eine Wertung geht in Schritten von %1.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The results could not be printed.</source>
        <translation>Die Ergebnisse konnten nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The results cannot be printed: %1</source>
        <translation>Die Ergebnisse lassen sich nicht drucken: %1</translation>
    </message>
    <message>
        <source>Settings are not being saved: %1 cannot be written.</source>
        <translation>Einstellungen werden nicht gespeichert: %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The audience screen was disconnected; its window is closed until View &gt; Audience Screen opens it again.</source>
        <translation>Der Publikumsbildschirm wurde getrennt; sein Fenster bleibt geschlossen, bis Ansicht &gt; Publikumsbildschirm es wieder öffnet.</translation>
    </message>
    <message>
        <source>The event&apos;s logo is not shown: %1 (%2).</source>
        <translation>Das Logo der Veranstaltung wird nicht gezeigt: %1 (%2).</translation>
    </message>
    <message>
        <source>The winners are showing on the audience screen, which is closed: View &gt; Audience Screen opens it.</source>
        <translation>Die Sieger werden auf dem Publikumsbildschirm gezeigt, der geschlossen ist: Ansicht &gt; Publikumsbildschirm öffnet ihn.</translation>
    </message>
    <message>
        <source>A tie in %1: Rounds &gt; Clap-off... holds a clap-off or shares the place.</source>
        <translation>Gleichstand in %1: Runden &gt; Stechen... hält ein Stechen ab oder lässt den Platz teilen.</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Close Marking</source>
        <translation>Wertung schließen</translation>
    </message>
    <message>
        <source>No judge has marked %1: her jury mark will be 0.</source>
        <translation>Kein Juror hat %1 gewertet: die Jurywertung wird 0 sein.</translation>
    </message>
    <message>
        <source>Close her marking all the same?</source>
        <translation>Die Wertung trotzdem schließen?</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Warten</translation>
    </message>
</context>
<context>
    <name>MeterPainter</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Name: </translation>
    </message>
</context>
<context>
    <name>MeterSession</name>
    <message>
        <source>A round needs a name.</source>
        <translation>Eine Runde braucht einen Namen.</translation>
    </message>
    <message>
        <source>A round&apos;s name may have at most %1 characters.</source>
        <translation>Der Name einer Runde darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>There is already a round called &quot;%1&quot;.</source>
        <translation>Es gibt schon eine Runde namens „%1“.</translation>
    </message>
    <message>
        <source>Rounds change between turns only.</source>
        <translation>Runden wechseln nur zwischen zwei Durchgängen.</translation>
    </message>
    <message>
        <source>There is no such round.</source>
        <translation>Diese Runde gibt es nicht.</translation>
    </message>
    <message>
        <source>Only a round without scores can be removed.</source>
        <translation>Nur eine Runde ohne Wertungen kann entfernt werden.</translation>
    </message>
    <message>
        <source>The only round cannot be removed.</source>
        <translation>Die einzige Runde kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Remove Round %1</source>
        <translation>Runde %1 entfernen</translation>
    </message>
    <message>
        <source>A clap-off starts between turns only.</source>
        <translation>Ein Stechen beginnt nur zwischen zwei Durchgängen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no score in %2.</source>
        <translation>„%1“ hat keine Wertung in %2.</translation>
    </message>
    <message>
        <source>A clap-off needs two or more contestants.</source>
        <translation>Ein Stechen braucht zwei oder mehr Teilnehmende.</translation>
    </message>
    <message>
        <source>A tie at the cut in %1: hold a clap-off first, or share the place.</source>
        <translation>Gleichstand an der Grenze in %1: zuerst ein Stechen, oder den Platz teilen.</translation>
    </message>
    <message>
        <source>A duel needs two sides, each with its name and its microphones.</source>
        <translation>Ein Duell braucht zwei Seiten, jede mit ihrem Namen und ihren Mikrofonen.</translation>
    </message>
    <message>
        <source>The two sides of a duel need a name each, and not the same one.</source>
        <translation>Die beiden Seiten eines Duells brauchen je einen Namen, und nicht denselben.</translation>
    </message>
    <message>
        <source>A duel is measured by the microphones: switch on Edit &gt; Measure With Microphone first.</source>
        <translation>Ein Duell messen die Mikrofone: zuerst Bearbeiten &gt; Mit Mikrofon messen einschalten.</translation>
    </message>
    <message>
        <source>No microphone stands at &quot;%1&quot;.</source>
        <translation>Bei „%1“ steht kein Mikrofon.</translation>
    </message>
    <message>
        <source>The microphone at &quot;%1&quot; cannot hear both sides.</source>
        <translation>Das Mikrofon bei „%1“ kann nicht beide Seiten hören.</translation>
    </message>
    <message>
        <source>A duel starts between turns only.</source>
        <translation>Ein Duell beginnt nur zwischen zwei Auftritten.</translation>
    </message>
    <message>
        <source>A duel&apos;s sides are rows of the league table: switch on Edit &gt; Use League Table first.</source>
        <translation>Die Seiten eines Duells sind Zeilen der Rangliste: zuerst Bearbeiten &gt; Rangliste verwenden einschalten.</translation>
    </message>
    <message>
        <source>The duel could not begin.</source>
        <translation>Das Duell konnte nicht beginnen.</translation>
    </message>
</context>
<context>
    <name>MicrophoneDialog</name>
    <message>
        <source>&amp;Turn length:</source>
        <translation>&amp;Rundenlänge:</translation>
    </message>
    <message>
        <source>Measure the &amp;Room</source>
        <translation>&amp;Raum messen</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source> LU</source>
        <translation> LU</translation>
    </message>
    <message>
        <source>&amp;Input:</source>
        <translation>&amp;Eingang:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Pegel:</translation>
    </message>
    <message>
        <source>Room:</source>
        <translation>Raum:</translation>
    </message>
    <message>
        <source>R&amp;ange above the room:</source>
        <translation>&amp;Bereich über dem Raum:</translation>
    </message>
    <message>
        <source>Sound file %1</source>
        <translation>Tondatei %1</translation>
    </message>
    <message>
        <source>The system&apos;s default</source>
        <translation>Standard des Systems</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (nicht angeschlossen)</translation>
    </message>
    <message>
        <source>Nothing is heard: check the input and try again.</source>
        <translation>Nichts zu hören: Eingang prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>Listening to the room for 3 seconds: please keep quiet.</source>
        <translation>Der Raum wird 3 Sekunden lang gemessen: bitte Ruhe.</translation>
    </message>
    <message>
        <source>The room is measured.</source>
        <translation>Der Raum ist gemessen.</translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>A contestant&apos;s score is the loudness the room held for three seconds of the turn, so a single scream cannot win.</source>
        <translation>Die Punktzahl ist die Lautstärke, die der Saal drei Sekunden lang hielt, daher gewinnt ein einzelner Schrei nicht.</translation>
    </message>
    <message>
        <source>The room&apos;s microphones</source>
        <translation>Die Mikrofone des Saals</translation>
    </message>
    <message>
        <source>Measure &amp;All in a Quiet Room</source>
        <translation>&amp;Alle im stillen Saal messen</translation>
    </message>
    <message>
        <source>Start a &amp;Duel...</source>
        <translation>&amp;Duell beginnen...</translation>
    </message>
    <message>
        <source>No microphone is heard: check the inputs and try again.</source>
        <translation>Kein Mikrofon ist zu hören: die Eingänge prüfen und noch einmal versuchen.</translation>
    </message>
    <message>
        <source>Each microphone&apos;s floor is measured.</source>
        <translation>Der Grundpegel jedes Mikrofons ist gemessen.</translation>
    </message>
</context>
<context>
    <name>MicrophoneInput</name>
    <message>
        <source>The microphone&apos;s module cannot be loaded: %1</source>
        <translation>Das Modul des Mikrofons kann nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>MicrophoneSettings</name>
    <message>
        <source>Microphone %1</source>
        <translation>Mikrofon %1</translation>
    </message>
</context>
<context>
    <name>MicrophoneSource</name>
    <message>
        <source>The microphone at &quot;%1&quot; stopped; the others go on measuring the room.</source>
        <translation>Das Mikrofon bei „%1“ ist ausgefallen; die anderen messen den Saal weiter.</translation>
    </message>
    <message>
        <source>The microphone at &quot;%1&quot; stopped, the last that heard the room; the meter follows the keyboard.</source>
        <translation>Das Mikrofon bei „%1“ ist ausgefallen, das letzte, das den Saal hörte; der Messer folgt der Tastatur.</translation>
    </message>
    <message>
        <source>The microphone at &quot;%1&quot; is back; it measures the room again.</source>
        <translation>Das Mikrofon bei „%1“ ist zurück; es misst den Saal wieder.</translation>
    </message>
</context>
<context>
    <name>NewRoundDialog</name>
    <message>
        <source>All tied at the cut go on</source>
        <translation>Alle Gleichplatzierten an der Grenze kommen weiter</translation>
    </message>
    <message>
        <source>New Round</source>
        <translation>Neue Runde</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Runde %1</translation>
    </message>
    <message>
        <source>Rounds in order, best first</source>
        <translation>Runden der Reihe nach, Beste zuerst</translation>
    </message>
    <message>
        <source>Reversed: the best last</source>
        <translation>Umgekehrt: die Besten zuletzt</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;From rounds:</source>
        <translation>&amp;Aus Runden:</translation>
    </message>
    <message>
        <source>&amp;Best of each:</source>
        <translation>&amp;Beste je Runde:</translation>
    </message>
    <message>
        <source>&amp;Order:</source>
        <translation>&amp;Reihenfolge:</translation>
    </message>
    <message>
        <source>Running order:</source>
        <translation>Startreihenfolge:</translation>
    </message>
    <message>
        <source>%1 tie at the cut in %2: hold a clap-off, or let all tied go on.</source>
        <translation>%1 sind an der Grenze in %2 gleichauf: ein Stechen abhalten oder alle weiterkommen lassen.</translation>
    </message>
</context>
<context>
    <name>OperatorStrip</name>
    <message>
        <source>Meter running (no league table)</source>
        <translation>Zeiger läuft (ohne Rangliste)</translation>
    </message>
    <message>
        <source>Name entry</source>
        <translation>Namenseingabe</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>Summary screen</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Next: nobody waiting</source>
        <translation>Als Nächstes: niemand wartet</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Als Nächstes: %1</translation>
    </message>
    <message>
        <source>The winners are showing (Esc ends them)</source>
        <translation>Die Sieger werden gezeigt (Esc beendet das)</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 von %3</translation>
    </message>
    <message>
        <source>Marked: %1</source>
        <translation>Gewertet: %1</translation>
    </message>
</context>
<context>
    <name>OscBridge</name>
    <message>
        <source>OSC is off: %1</source>
        <translation>OSC ist aus: %1</translation>
    </message>
    <message>
        <source>OSC is off: its module cannot be loaded (%1).</source>
        <translation>OSC ist aus: sein Modul lässt sich nicht laden (%1).</translation>
    </message>
</context>
<context>
    <name>OscDialog</name>
    <message>
        <source>&amp;Take and send OSC messages</source>
        <translation>OSC-Nachrichten &amp;empfangen und senden</translation>
    </message>
    <message>
        <source>Send the &amp;level (ten times a second at most)</source>
        <translation>Den &amp;Pegel senden (höchstens zehnmal in der Sekunde)</translation>
    </message>
    <message>
        <source>OSC</source>
        <translation>OSC</translation>
    </message>
    <message>
        <source>This computer only (127.0.0.1)</source>
        <translation>Nur dieser Computer (127.0.0.1)</translation>
    </message>
    <message>
        <source>The local network (0.0.0.0)</source>
        <translation>Das lokale Netz (0.0.0.0)</translation>
    </message>
    <message>
        <source>this computer only</source>
        <translation>nur dieser Computer</translation>
    </message>
    <message>
        <source>host:port, host:port</source>
        <translation>Host:Port, Host:Port</translation>
    </message>
    <message>
        <source>Send &amp;Test</source>
        <translation>&amp;Test senden</translation>
    </message>
    <message>
        <source>&amp;Listen on:</source>
        <translation>&amp;Empfangen auf:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Accept from:</source>
        <translation>&amp;Annehmen von:</translation>
    </message>
    <message>
        <source>&amp;Send to:</source>
        <translation>&amp;Senden an:</translation>
    </message>
    <message numerus="yes">
        <source>The test message went to %n target(s).</source>
        <translation>
            <numerusform>Die Testnachricht ging an %n Ziel.</numerusform>
            <numerusform>Die Testnachricht ging an %n Ziele.</numerusform>
        </translation>
    </message>
    <message>
        <source>No target to send the test message to.</source>
        <translation>Kein Ziel für die Testnachricht.</translation>
    </message>
    <message>
        <source>Not an address: %1</source>
        <translation>Keine Adresse: %1</translation>
    </message>
    <message>
        <source>OSC is off.</source>
        <translation>OSC ist aus.</translation>
    </message>
    <message>
        <source>Messages in: %1, out: %2, refused: %3</source>
        <translation>Nachrichten empfangen: %1, gesendet: %2, abgewiesen: %3</translation>
    </message>
</context>
<context>
    <name>OscLink</name>
    <message>
        <source>OSC messages cannot be read on this computer.</source>
        <translation>OSC-Nachrichten können auf diesem Computer nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Port %1 cannot be opened for OSC: %2</source>
        <translation>Port %1 kann für OSC nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>PreloadDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Edit League Table</source>
        <translation>Rangliste bearbeiten</translation>
    </message>
    <message>
        <source>Enter the names to be loaded into the league table, one entry per line.</source>
        <translation>Geben Sie die Namen für die Rangliste ein, einen pro Zeile.</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>Start Next</source>
        <translation>Nächste starten</translation>
    </message>
    <message>
        <source>End Turn</source>
        <translation>Runde beenden</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Hold to Applaud</source>
        <translation>Halten zum Applaudieren</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Aufdecken</translation>
    </message>
    <message>
        <source>Next contestant&apos;s name</source>
        <translation>Name der nächsten Person</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>The access token has changed: open this page again from Ovatron.</source>
        <translation>Der Zugangsschlüssel hat sich geändert: Öffnen Sie diese Seite erneut aus Ovatron.</translation>
    </message>
    <message>
        <source>Judge</source>
        <translation>Juror</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>No contestant is open for marking now.</source>
        <translation>Gerade ist niemand zur Bewertung offen.</translation>
    </message>
    <message>
        <source>No network: the mark is kept and goes as soon as it can.</source>
        <translation>Kein Netz: Die Note bleibt gespeichert und geht, sobald es geht.</translation>
    </message>
    <message>
        <source>This link has been revoked: ask the operator for a new one.</source>
        <translation>Dieser Link wurde widerrufen: Bitten Sie die Regie um einen neuen.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 marked</source>
        <translation>%1: %2 von %3 haben bewertet</translation>
    </message>
</context>
<context>
    <name>RenameRoundDialog</name>
    <message>
        <source>Rename Round</source>
        <translation>Runde umbenennen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
</context>
<context>
    <name>ResultsDialogs</name>
    <message>
        <source>Spreadsheet (CSV) (*.csv)</source>
        <translation>Tabelle (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Results sheet (PDF) (*.pdf)</source>
        <translation>Ergebnisblatt (PDF) (*.pdf)</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Ergebnisse exportieren</translation>
    </message>
</context>
<context>
    <name>ResultsExport</name>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Cannot export to %1: the file name must end in .csv or .pdf.</source>
        <translation>Export nach %1 nicht möglich: Der Dateiname muss auf .csv oder .pdf enden.</translation>
    </message>
    <message>
        <source>Cannot export to %1: PDF needs the graphical part of Ovatron.</source>
        <translation>Export nach %1 nicht möglich: PDF braucht den grafischen Teil von Ovatron.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The latest event has no round called %1.</source>
        <translation>Die letzte Veranstaltung hat keine Runde namens %1.</translation>
    </message>
</context>
<context>
    <name>ResultsSheet</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Event of %1</source>
        <translation>Veranstaltung vom %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>No results.</source>
        <translation>Keine Ergebnisse.</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Gedruckt am %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Results: %1</source>
        <translation>Ergebnisse: %1</translation>
    </message>
    <message>
        <source>applause %1</source>
        <translation>Applaus %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>J %1</source>
        <translation>J %1</translation>
    </message>
    <message>
        <source>Winners: %1</source>
        <translation>Sieger: %1</translation>
    </message>
    <message>
        <source>Judges&apos; Choice: %1 (%2)</source>
        <translation>Preis der Jury: %1 (%2)</translation>
    </message>
    <message>
        <source>People&apos;s Choice: %1 (%2)</source>
        <translation>Publikumspreis: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>ResumeQuestion</name>
    <message>
        <source>Resume Event</source>
        <translation>Veranstaltung fortsetzen</translation>
    </message>
    <message>
        <source>one contestant</source>
        <translation>einen Teilnehmer</translation>
    </message>
    <message>
        <source>%1 contestants</source>
        <translation>%1 Teilnehmer</translation>
    </message>
    <message>
        <source>The last event did not end with File &gt; Exit. It has %1; the last was &quot;%2&quot;.</source>
        <translation>Die letzte Veranstaltung wurde nicht mit Datei &gt; Beenden beendet. Sie hat %1; zuletzt war &quot;%2&quot; an der Reihe.</translation>
    </message>
    <message>
        <source>Resume it, or start a new event? The old one stays stored.</source>
        <translation>Fortsetzen oder eine neue Veranstaltung beginnen? Die alte bleibt gespeichert.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Start New</source>
        <translation>Neu beginnen</translation>
    </message>
</context>
<context>
    <name>RoomCalibration</name>
    <message>
        <source>The microphone at &quot;%1&quot; heard nothing: is it plugged in and switched on?</source>
        <translation>Das Mikrofon bei „%1“ hat nichts gehört: ist es angeschlossen und eingeschaltet?</translation>
    </message>
    <message>
        <source>The microphone at &quot;%1&quot; read more than %2 LU above the others the whole time: it may stand next to a loudspeaker or a noisy spot.</source>
        <translation>Das Mikrofon bei „%1“ lag die ganze Zeit mehr als %2 LU über den anderen: es steht vielleicht neben einem Lautsprecher oder an einer lauten Stelle.</translation>
    </message>
</context>
<context>
    <name>RoundDialogs</name>
    <message>
        <source>Tie</source>
        <translation>Gleichstand</translation>
    </message>
    <message>
        <source>%1 share a place in %2.</source>
        <translation>%1 teilen sich einen Platz in %2.</translation>
    </message>
    <message>
        <source>Clap-off</source>
        <translation>Stechen</translation>
    </message>
    <message>
        <source>Share the Place</source>
        <translation>Platz teilen</translation>
    </message>
</context>
<context>
    <name>ShowControlDialog</name>
    <message>
        <source>&amp;Let remotes control the show</source>
        <translation>&amp;Fernsteuerung der Show erlauben</translation>
    </message>
    <message>
        <source>Show Control</source>
        <translation>Show-Steuerung</translation>
    </message>
    <message>
        <source>This computer only (127.0.0.1)</source>
        <translation>Nur dieser Computer (127.0.0.1)</translation>
    </message>
    <message>
        <source>The local network (0.0.0.0)</source>
        <translation>Das lokale Netz (0.0.0.0)</translation>
    </message>
    <message>
        <source>&amp;New Token</source>
        <translation>&amp;Neues Token</translation>
    </message>
    <message>
        <source>&amp;Who may connect:</source>
        <translation>&amp;Wer sich verbinden darf:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>Access token:</source>
        <translation>Zugangstoken:</translation>
    </message>
    <message>
        <source>Stream overlay:</source>
        <translation>Stream-Overlay:</translation>
    </message>
    <message>
        <source>Phone remote:</source>
        <translation>Handy-Fernbedienung:</translation>
    </message>
    <message>
        <source>API:</source>
        <translation>API:</translation>
    </message>
</context>
<context>
    <name>ShowControlLink</name>
    <message>
        <source>Show control is off: port %1 cannot be opened (%2).</source>
        <translation>Die Show-Steuerung ist aus: Port %1 lässt sich nicht öffnen (%2).</translation>
    </message>
    <message>
        <source>Show control is off: its module cannot be loaded (%1).</source>
        <translation>Die Show-Steuerung ist aus: ihr Modul lässt sich nicht laden (%1).</translation>
    </message>
</context>
<context>
    <name>SoundCuesDialog</name>
    <message>
        <source>Drum roll</source>
        <translation>Trommelwirbel</translation>
    </message>
    <message>
        <source>Fanfare</source>
        <translation>Fanfare</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Summer</translation>
    </message>
    <message>
        <source>Sting</source>
        <translation>Akzent</translation>
    </message>
    <message>
        <source>&amp;Play sound cues</source>
        <translation>Klangsignale &amp;abspielen</translation>
    </message>
    <message>
        <source>Sound Cues</source>
        <translation>Klangsignale</translation>
    </message>
    <message>
        <source>The system&apos;s default</source>
        <translation>Standard des Systems</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (nicht angeschlossen)</translation>
    </message>
    <message>
        <source>&amp;Output:</source>
        <translation>A&amp;usgang:</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Lautstärke:</translation>
    </message>
    <message>
        <source>Try</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>WAV File...</source>
        <translation>WAV-Datei...</translation>
    </message>
    <message>
        <source>Own Sound</source>
        <translation>Eigener Klang</translation>
    </message>
    <message>
        <source>Plays the %1 as set here</source>
        <translation>Spielt „%1“ wie hier eingestellt</translation>
    </message>
    <message>
        <source>No cue plays while the microphone measures a turn.</source>
        <translation>Solange das Mikrofon einen Auftritt misst, erklingt kein Signal.</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1: WAV File</source>
        <translation>%1: WAV-Datei</translation>
    </message>
    <message>
        <source>WAV files (*.wav);;All files (*)</source>
        <translation>WAV-Dateien (*.wav);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The sound cues&apos; module cannot be loaded.</source>
        <translation>Das Modul der Klangsignale kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>%1 The %2 keeps its sound.</source>
        <translation>%1 „%2“ behält seinen Klang.</translation>
    </message>
    <message>
        <source>Ovatron&apos;s own</source>
        <translation>Ovatrons eigener</translation>
    </message>
</context>
<context>
    <name>StagePainter</name>
    <message>
        <source>New leader</source>
        <translation>Neue Spitze</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Applause %1 × %2 %</source>
        <translation>Applaus %1 × %2 %</translation>
    </message>
    <message>
        <source>Jury %1 × %2 %</source>
        <translation>Jury %1 × %2 %</translation>
    </message>
    <message>
        <source>Result %1</source>
        <translation>Ergebnis %1</translation>
    </message>
    <message>
        <source>Judges&apos; Choice: %1 (%2)</source>
        <translation>Preis der Jury: %1 (%2)</translation>
    </message>
    <message>
        <source>People&apos;s Choice: %1 (%2)</source>
        <translation>Publikumspreis: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>ovatron: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); start Ovatron from a desktop session.</source>
        <translation>ovatron: keine Anzeige gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); starten Sie Ovatron aus einer Desktop-Sitzung.</translation>
    </message>
    <message>
        <source>ovatron: cannot open the display: %1</source>
        <translation>ovatron: die Anzeige kann nicht geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>TurnDetailsDialog</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Microphone (the system&apos;s default)</source>
        <translation>Mikrofon (Standard des Systems)</translation>
    </message>
    <message>
        <source>Microphone: %1</source>
        <translation>Mikrofon: %1</translation>
    </message>
    <message>
        <source>Not used (the keyboard measured)</source>
        <translation>Nicht verwendet (die Tastatur hat gemessen)</translation>
    </message>
    <message>
        <source>Floor %1 LUFS, range %2 LU</source>
        <translation>Grundpegel %1 LUFS, Bereich %2 LU</translation>
    </message>
    <message>
        <source>Turn Details</source>
        <translation>Details der Runde</translation>
    </message>
    <message>
        <source>&amp;Turn:</source>
        <translation>&amp;Runde:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>Loudest moment:</source>
        <translation>Lautester Moment:</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Eingang:</translation>
    </message>
    <message>
        <source>Room:</source>
        <translation>Raum:</translation>
    </message>
    <message>
        <source>Turn %1 of %2, under way</source>
        <translation>Runde %1 von %2, läuft</translation>
    </message>
    <message>
        <source>Turn %1 of %2</source>
        <translation>Runde %1 von %2</translation>
    </message>
    <message>
        <source>Held level:</source>
        <translation>Gehaltener Pegel:</translation>
    </message>
    <message>
        <source>Highest level:</source>
        <translation>Höchster Pegel:</translation>
    </message>
    <message>
        <source>%1 after %2</source>
        <translation>%1 nach %2</translation>
    </message>
    <message>
        <source>None yet</source>
        <translation>Noch keiner</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>the system&apos;s default</source>
        <translation>Standard des Systems</translation>
    </message>
    <message>
        <source>%1: %2, floor %3 LUFS</source>
        <translation>%1: %2, Grundpegel %3 LUFS</translation>
    </message>
    <message>
        <source>%1; it did not hear the room</source>
        <translation>%1; es hat den Saal nicht gehört</translation>
    </message>
    <message>
        <source>%1; stopped after %2</source>
        <translation>%1; nach %2 ausgefallen</translation>
    </message>
    <message>
        <source>%1; heard %2 of the turn</source>
        <translation>%1; hat %2 des Durchgangs gehört</translation>
    </message>
    <message>
        <source>Microphones:</source>
        <translation>Mikrofone:</translation>
    </message>
</context>
<context>
    <name>TurnLengthDialog</name>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Until Enter</source>
        <translation>Bis Eingabe</translation>
    </message>
    <message>
        <source>Turn Length</source>
        <translation>Rundenlänge</translation>
    </message>
    <message>
        <source>&amp;Turn length:</source>
        <translation>&amp;Rundenlänge:</translation>
    </message>
    <message>
        <source>Each turn ends by itself this many seconds after the applause starts.</source>
        <translation>Jede Runde endet von selbst so viele Sekunden, nachdem der Applaus beginnt.</translation>
    </message>
</context>
<context>
    <name>UnsavedResultsQuestion</name>
    <message>
        <source>Results Not Saved</source>
        <translation>Ergebnisse nicht gespeichert</translation>
    </message>
    <message>
        <source>Some results of this event are not saved: the disk refuses them.</source>
        <translation>Einige Ergebnisse dieser Veranstaltung sind nicht gespeichert: Der Datenträger nimmt sie nicht an.</translation>
    </message>
    <message>
        <source>Export them to another place before closing?</source>
        <translation>Vor dem Schließen an einen anderen Ort exportieren?</translation>
    </message>
    <message>
        <source>Export Results...</source>
        <translation>Ergebnisse exportieren...</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Ohne Speichern schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ViewDialogs</name>
    <message>
        <source>Remove Contestant</source>
        <translation>Teilnehmer entfernen</translation>
    </message>
    <message>
        <source>Remove %1 from the league table?</source>
        <translation>%1 aus der Rangliste entfernen?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
