<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Ovatron</source>
        <translation>À propos d&apos;Ovatron</translation>
    </message>
    <message>
        <source>Ovatron, Version %1.%2</source>
        <translation>Ovatron, version %1.%2</translation>
    </message>
    <message>
        <source>The applause meter for live events.</source>
        <translation>L&apos;applaudimètre pour les événements en direct.</translation>
    </message>
</context>
<context>
    <name>AudienceWindow</name>
    <message>
        <source>%1 Audience Screen</source>
        <translation>%1 - Écran du public</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Égalité</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gagne</translation>
    </message>
</context>
<context>
    <name>AudioInput</name>
    <message>
        <source>No microphone was found; the meter follows the keyboard.</source>
        <translation>Aucun microphone trouvé ; la mesure suit le clavier.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; is not connected; the meter follows the keyboard.</source>
        <translation>Le microphone « %1 » n&apos;est pas branché ; la mesure suit le clavier.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; was disconnected; the meter follows the keyboard.</source>
        <translation>Le microphone « %1 » a été débranché ; la mesure suit le clavier.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; offers no sound format Ovatron can read; the meter follows the keyboard.</source>
        <translation>Le microphone « %1 » n&apos;offre aucun format sonore lisible par Ovatron ; la mesure suit le clavier.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; stopped recording; the meter follows the keyboard.</source>
        <translation>Le microphone « %1 » n&apos;enregistre plus ; la mesure suit le clavier.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; cannot be read.</source>
        <translation>Le fichier son « %1 » est illisible.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; is not a WAV file.</source>
        <translation>Le fichier son « %1 » n&apos;est pas un fichier WAV.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; is neither 16-bit PCM nor 32-bit float.</source>
        <translation>Le fichier son « %1 » n&apos;est ni en PCM 16 bits ni en flottant 32 bits.</translation>
    </message>
    <message>
        <source>The sound file &quot;%1&quot; holds no sound.</source>
        <translation>Le fichier son « %1 » ne contient aucun son.</translation>
    </message>
    <message>
        <source>The microphone &quot;%1&quot; is back; listening again.</source>
        <translation>Le microphone « %1 » est de retour ; la mesure reprend.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The applause meter for live events.</source>
        <translation>L&apos;applaudimètre pour les événements en direct.</translation>
    </message>
    <message>
        <source>Write the results of the latest event to FILE (.csv or .pdf) and stop, without opening a window.</source>
        <translation>Écrire les résultats du dernier événement dans FICHIER (.csv ou .pdf) et s&apos;arrêter, sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Measure the sound of the WAV file FILE, played in a loop, instead of the microphone (for rehearsals and tests); given up to four times, each file is one microphone, in order.</source>
        <translation>Mesurer le son du fichier WAV FICHIER, joué en boucle, au lieu du microphone (pour les répétitions et les tests) ; donné jusqu&apos;à quatre fois, chaque fichier est un microphone, dans l&apos;ordre.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argument inattendu : %1</translation>
    </message>
    <message>
        <source>Switch show control on for this run, on PORT, for this computer only (127.0.0.1).</source>
        <translation>Activer le pilotage du spectacle pour cette exécution, sur PORT, pour cet ordinateur seulement (127.0.0.1).</translation>
    </message>
    <message>
        <source>PORT</source>
        <translation>PORT</translation>
    </message>
    <message>
        <source>Not a port (1 to 65535): %1</source>
        <translation>Ce n&apos;est pas un port (1 à 65535) : %1</translation>
    </message>
    <message>
        <source>With --export: write only the round called NAME.</source>
        <translation>Avec --export : n&apos;écrire que la manche nommée NAME.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>--audio-file is given %1 times: at most %2 files, one for each microphone.</source>
        <translation>--audio-file est donné %1 fois : au plus %2 fichiers, un pour chaque microphone.</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Police</translation>
    </message>
    <message>
        <source>Edit &amp;Font</source>
        <translation>Modifier la &amp;police</translation>
    </message>
    <message>
        <source>&amp;Use League Table</source>
        <translation>&amp;Utiliser le classement</translation>
    </message>
    <message>
        <source>&amp;Clear League Table</source>
        <translation>&amp;Effacer le classement</translation>
    </message>
    <message>
        <source>&amp;Edit Preload List</source>
        <translation>Modifier la liste de &amp;passage</translation>
    </message>
    <message>
        <source>&amp;Show Summary Screen</source>
        <translation>Afficher le &amp;récapitulatif</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Sommaire...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Aide...</translation>
    </message>
    <message>
        <source>&amp;About Ovatron...</source>
        <translation>À &amp;propos d&apos;Ovatron...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Audience Screen</source>
        <translation>Écran du &amp;public</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Export Results...</source>
        <translation>&amp;Exporter les résultats...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Measure &amp;With Microphone</source>
        <translation>Mesurer &amp;avec le microphone</translation>
    </message>
    <message>
        <source>&amp;Microphone...</source>
        <translation>Mi&amp;crophone...</translation>
    </message>
    <message>
        <source>Show &amp;Control...</source>
        <translation>Pilotage du &amp;spectacle...</translation>
    </message>
    <message>
        <source>&amp;Turn Length</source>
        <translation>&amp;Durée du passage</translation>
    </message>
    <message>
        <source>Un&amp;do %1</source>
        <translation>A&amp;nnuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Réta&amp;blir : %1</translation>
    </message>
    <message>
        <source>Re&amp;name Contestant...</source>
        <translation>Reno&amp;mmer le candidat...</translation>
    </message>
    <message>
        <source>Rem&amp;ove Contestant...</source>
        <translation>Re&amp;tirer le candidat...</translation>
    </message>
    <message>
        <source>Measure A&amp;gain</source>
        <translation>Mesurer de nou&amp;veau</translation>
    </message>
    <message>
        <source>Un&amp;do</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Réta&amp;blir</translation>
    </message>
    <message>
        <source>E&amp;vent...</source>
        <translation>É&amp;vénement...</translation>
    </message>
    <message>
        <source>Show &amp;Winners</source>
        <translation>Afficher les &amp;gagnants</translation>
    </message>
    <message>
        <source>&amp;Hide Scores</source>
        <translation>&amp;Masquer les scores</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <translation>&amp;Révéler</translation>
    </message>
    <message>
        <source>&amp;OSC...</source>
        <translation>&amp;OSC...</translation>
    </message>
    <message>
        <source>Turn Deta&amp;ils...</source>
        <translation>Détai&amp;ls du passage...</translation>
    </message>
    <message>
        <source>&amp;Sound Cues...</source>
        <translation>Signa&amp;ux sonores...</translation>
    </message>
    <message>
        <source>&amp;New Round...</source>
        <translation>&amp;Nouvelle manche...</translation>
    </message>
    <message>
        <source>&amp;Rename Round...</source>
        <translation>&amp;Renommer la manche...</translation>
    </message>
    <message>
        <source>Remo&amp;ve Round</source>
        <translation>&amp;Supprimer la manche</translation>
    </message>
    <message>
        <source>&amp;Clap-off...</source>
        <translation>&amp;Départage...</translation>
    </message>
    <message>
        <source>&amp;Rounds</source>
        <translation>&amp;Manches</translation>
    </message>
    <message>
        <source>Due&amp;l...</source>
        <translation>Due&amp;l...</translation>
    </message>
    <message>
        <source>Close &amp;Marking</source>
        <translation>Clore la &amp;notation</translation>
    </message>
    <message>
        <source>&amp;Jury...</source>
        <translation>&amp;Jury...</translation>
    </message>
    <message>
        <source>Reo&amp;pen Marking</source>
        <translation>&amp;Rouvrir la notation</translation>
    </message>
</context>
<context>
    <name>CorrectionCommands</name>
    <message>
        <source>Rename %1 to %2</source>
        <translation>Renommer %1 en %2</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Measure Again %1</source>
        <translation>Mesurer %1 de nouveau</translation>
    </message>
    <message>
        <source>Clear League Table</source>
        <translation>Effacer le classement</translation>
    </message>
</context>
<context>
    <name>CueDirector</name>
    <message>
        <source>%1 The project&apos;s own cue plays instead.</source>
        <translation>%1 Le signal propre du programme est joué à la place.</translation>
    </message>
    <message>
        <source>The microphone is measuring a turn: cues wait until it ends.</source>
        <translation>Le microphone mesure un passage : les signaux attendent sa fin.</translation>
    </message>
    <message>
        <source>The sound cues&apos; module cannot be loaded.</source>
        <translation>Le module des signaux sonores ne peut pas être chargé.</translation>
    </message>
    <message>
        <source>The sound cues&apos; module cannot be loaded: %1</source>
        <translation>Le module des signaux sonores ne peut pas être chargé : %1</translation>
    </message>
</context>
<context>
    <name>CuePlayer</name>
    <message>
        <source>The sound cues are silent: no loudspeaker output.</source>
        <translation>Les signaux sonores restent muets : aucune sortie haut-parleur.</translation>
    </message>
    <message>
        <source>The sound cues cannot play on %1.</source>
        <translation>Les signaux sonores ne peuvent pas être joués sur %1.</translation>
    </message>
    <message>
        <source>A sound cue stopped: the output failed.</source>
        <translation>Un signal sonore s&apos;est arrêté : la sortie a échoué.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 is not a WAV file.</source>
        <translation>%1 n&apos;est pas un fichier WAV.</translation>
    </message>
    <message>
        <source>%1 is compressed or 24-bit; save it as 16-bit PCM.</source>
        <translation>%1 est compressé ou en 24 bits ; enregistrez-le en PCM 16 bits.</translation>
    </message>
    <message>
        <source>%1 holds no sound.</source>
        <translation>%1 ne contient aucun son.</translation>
    </message>
    <message>
        <source>%1 is longer than a minute; a cue lasts seconds.</source>
        <translation>%1 dure plus d&apos;une minute ; un signal dure quelques secondes.</translation>
    </message>
</context>
<context>
    <name>DuelDialog</name>
    <message>
        <source>Duel</source>
        <translation>Duel</translation>
    </message>
    <message>
        <source>&amp;Left side:</source>
        <translation>Camp de &amp;gauche :</translation>
    </message>
    <message>
        <source>Heard &amp;by:</source>
        <translation>Entendu &amp;par :</translation>
    </message>
    <message>
        <source>&amp;Right side:</source>
        <translation>Camp de &amp;droite :</translation>
    </message>
    <message>
        <source>Hea&amp;rd by:</source>
        <translation>En&amp;tendu par :</translation>
    </message>
</context>
<context>
    <name>EventDialog</name>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Choisir...</translation>
    </message>
    <message>
        <source>&amp;No Logo</source>
        <translation>&amp;Sans logo</translation>
    </message>
    <message>
        <source>Event &amp;name:</source>
        <translation>&amp;Nom de l’événement :</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logo :</translation>
    </message>
    <message>
        <source>Event Logo</source>
        <translation>Logo de l’événement</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.svg)</source>
        <translation>Images (*.png *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>%1 could not be copied into %2.</source>
        <translation>%1 n’a pas pu être copié dans %2.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 n’a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>EventLogo</name>
    <message>
        <source>the file is missing</source>
        <translation>le fichier est introuvable</translation>
    </message>
    <message>
        <source>it is not a readable picture</source>
        <translation>ce n’est pas une image lisible</translation>
    </message>
    <message>
        <source>it is too large (%1 x %2 pixels)</source>
        <translation>elle est trop grande (%1 x %2 pixels)</translation>
    </message>
</context>
<context>
    <name>EventStore</name>
    <message>
        <source>Results are not being saved: %1.</source>
        <translation>Les résultats ne sont pas enregistrés : %1.</translation>
    </message>
    <message>
        <source>the results file is in use by another copy of Ovatron</source>
        <translation>le fichier de résultats est utilisé par une autre copie d&apos;Ovatron</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 ne peut pas être écrit</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Ovatron</source>
        <translation>%1 a été écrit par une version plus récente d&apos;Ovatron</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 est illisible</translation>
    </message>
    <message>
        <source>%1 cannot be read, nor renamed to keep it</source>
        <translation>%1 est illisible et ne peut pas être renommé pour être conservé</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>%1 cannot be used (%2)</source>
        <translation>%1 est inutilisable (%2)</translation>
    </message>
    <message>
        <source>The results file could not be read; it was kept as %1 and a new one was started.</source>
        <translation>Le fichier de résultats était illisible ; il a été conservé sous %1 et un nouveau a été commencé.</translation>
    </message>
    <message>
        <source>There are no stored results to export.</source>
        <translation>Il n&apos;y a aucun résultat enregistré à exporter.</translation>
    </message>
    <message>
        <source>Some stored curves of turns could not be read and are not shown; their scores are kept.</source>
        <translation>Certaines courbes de passages enregistrées n&apos;ont pas pu être lues et ne sont pas affichées ; leurs scores sont conservés.</translation>
    </message>
    <message>
        <source>Ovatron keeps them and saves them as soon as the disk takes them again.</source>
        <translation>Ovatron les conserve et les enregistre dès que le disque les accepte à nouveau.</translation>
    </message>
    <message>
        <source>Results are being saved again; none of this event&apos;s results were lost.</source>
        <translation>Les résultats sont de nouveau enregistrés ; aucun résultat de cet événement n&apos;a été perdu.</translation>
    </message>
    <message>
        <source>Round 1</source>
        <translation>Manche 1</translation>
    </message>
    <message>
        <source>Some stored marks or set-ups of the jury could not be read and are left out.</source>
        <translation>Certaines notes ou configurations du jury enregistrées n’ont pas pu être lues et sont laissées de côté.</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Barré</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Couleur...</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>AaBbYyZz</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police :</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effets</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Can&apos;t find help file</source>
        <translation>Fichier d&apos;aide introuvable</translation>
    </message>
</context>
<context>
    <name>JuryDialog</name>
    <message>
        <source>&amp;Jury on</source>
        <translation>&amp;Jury activé</translation>
    </message>
    <message>
        <source>&amp;Drop each contestant&apos;s highest and lowest mark (from 4 marks up)</source>
        <translation>É&amp;carter la note la plus haute et la plus basse de chaque candidat (à partir de 4 notes)</translation>
    </message>
    <message>
        <source>Jury</source>
        <translation>Jury</translation>
    </message>
    <message>
        <source>One judge a line, up to %1</source>
        <translation>Un juré par ligne, jusqu’à %1</translation>
    </message>
    <message>
        <source>Criterion</source>
        <translation>Critère</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>J&amp;udges:</source>
        <translation>J&amp;urés :</translation>
    </message>
    <message>
        <source>&amp;Highest mark:</source>
        <translation>Note &amp;maximale :</translation>
    </message>
    <message>
        <source>&amp;Step:</source>
        <translation>&amp;Pas :</translation>
    </message>
    <message>
        <source>&amp;Criteria (optional):</source>
        <translation>&amp;Critères (facultatif) :</translation>
    </message>
    <message>
        <source>&amp;Applause weighs:</source>
        <translation>Poids des &amp;applaudissements :</translation>
    </message>
    <message>
        <source>Jury &amp;weighs:</source>
        <translation>Poids du &amp;jury :</translation>
    </message>
    <message>
        <source>The judges&apos; personal links:</source>
        <translation>Les liens personnels des jurés :</translation>
    </message>
    <message>
        <source>Each judge gets her link once the jury is set up.</source>
        <translation>Chaque juré reçoit son lien une fois le jury configuré.</translation>
    </message>
    <message>
        <source>The links work once show control is on (View &gt; Show Control...).</source>
        <translation>Les liens fonctionnent une fois le contrôle du spectacle activé (Affichage &gt; Contrôle du spectacle...).</translation>
    </message>
    <message>
        <source>(revoked)</source>
        <translation>(révoqué)</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Révoquer</translation>
    </message>
    <message>
        <source>Issue Again</source>
        <translation>Émettre à nouveau</translation>
    </message>
    <message>
        <source>Export &amp;Cards...</source>
        <translation>Exporter les &amp;cartes...</translation>
    </message>
    <message>
        <source>Set up the jury first: its judges get their cards then.</source>
        <translation>Configurez d’abord le jury : ses jurés recevront alors leurs cartes.</translation>
    </message>
    <message>
        <source>Export Cards</source>
        <translation>Exporter les cartes</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The cards could not be written to %1.</source>
        <translation>Les cartes n’ont pas pu être écrites dans %1.</translation>
    </message>
</context>
<context>
    <name>JuryRules</name>
    <message>
        <source>Name at least one judge.</source>
        <translation>Nommez au moins un juré.</translation>
    </message>
    <message>
        <source>A jury has at most %1 judges.</source>
        <translation>Un jury compte au plus %1 jurés.</translation>
    </message>
    <message>
        <source>Judge %1 has no name.</source>
        <translation>Le juré %1 n’a pas de nom.</translation>
    </message>
    <message>
        <source>Judge %1&apos;s name is longer than %2 characters.</source>
        <translation>Le nom du juré %1 dépasse %2 caractères.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named twice among the judges.</source>
        <translation>« %1 » figure deux fois parmi les jurés.</translation>
    </message>
    <message>
        <source>The highest mark must be above 0 and at most %1.</source>
        <translation>La note maximale doit être supérieure à 0 et au plus %1.</translation>
    </message>
    <message>
        <source>The step must be above 0 and at most the highest mark.</source>
        <translation>Le pas doit être supérieur à 0 et au plus la note maximale.</translation>
    </message>
    <message>
        <source>Steps of %1 do not reach the highest mark, %2.</source>
        <translation>Des pas de %1 n’atteignent pas la note maximale, %2.</translation>
    </message>
    <message>
        <source>A jury marks at most %1 criteria.</source>
        <translation>Un jury note au plus %1 critères.</translation>
    </message>
    <message>
        <source>Criterion %1 has no name.</source>
        <translation>Le critère %1 n’a pas de nom.</translation>
    </message>
    <message>
        <source>Criterion %1&apos;s name is longer than %2 characters.</source>
        <translation>Le nom du critère %1 dépasse %2 caractères.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named twice among the criteria.</source>
        <translation>« %1 » figure deux fois parmi les critères.</translation>
    </message>
    <message>
        <source>The weight of &quot;%1&quot; must be from 1 to %2.</source>
        <translation>Le poids de « %1 » doit être compris entre 1 et %2.</translation>
    </message>
    <message>
        <source>The weights of the applause and the jury must be from 0 to %1.</source>
        <translation>Les poids des applaudissements et du jury doivent être compris entre 0 et %1.</translation>
    </message>
    <message>
        <source>The applause and the jury cannot both weigh 0.</source>
        <translation>Les applaudissements et le jury ne peuvent pas peser 0 tous les deux.</translation>
    </message>
    <message>
        <source>A mark is from 0 to %1.</source>
        <translation>Une note va de 0 à %1.</translation>
    </message>
    <message>
        <source>A mark goes in steps of %1.</source>
        <translation>Une note va par pas de %1.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The results could not be printed.</source>
        <translation>Les résultats n&apos;ont pas pu être imprimés.</translation>
    </message>
    <message>
        <source>The results cannot be printed: %1</source>
        <translation>Les résultats ne peuvent pas être imprimés : %1</translation>
    </message>
    <message>
        <source>Settings are not being saved: %1 cannot be written.</source>
        <translation>Les réglages ne sont pas enregistrés : impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>The audience screen was disconnected; its window is closed until View &gt; Audience Screen opens it again.</source>
        <translation>L&apos;écran du public a été débranché ; sa fenêtre reste fermée jusqu&apos;à ce qu&apos;Affichage &gt; Écran du public la rouvre.</translation>
    </message>
    <message>
        <source>The event&apos;s logo is not shown: %1 (%2).</source>
        <translation>Le logo de l’événement n’est pas affiché : %1 (%2).</translation>
    </message>
    <message>
        <source>The winners are showing on the audience screen, which is closed: View &gt; Audience Screen opens it.</source>
        <translation>Les gagnants sont affichés sur l’écran du public, qui est fermé : Affichage &gt; Écran du public l’ouvre.</translation>
    </message>
    <message>
        <source>A tie in %1: Rounds &gt; Clap-off... holds a clap-off or shares the place.</source>
        <translation>Égalité dans %1 : Manches &gt; Départage... organise un départage ou partage la place.</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Manches</translation>
    </message>
    <message>
        <source>Close Marking</source>
        <translation>Clore la notation</translation>
    </message>
    <message>
        <source>No judge has marked %1: her jury mark will be 0.</source>
        <translation>Aucun juré n’a noté %1 : sa note du jury sera 0.</translation>
    </message>
    <message>
        <source>Close her marking all the same?</source>
        <translation>Clore sa notation quand même ?</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Attendre</translation>
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
        <translation>Nom : </translation>
    </message>
</context>
<context>
    <name>MeterSession</name>
    <message>
        <source>A round needs a name.</source>
        <translation>Une manche a besoin d&apos;un nom.</translation>
    </message>
    <message>
        <source>A round&apos;s name may have at most %1 characters.</source>
        <translation>Le nom d&apos;une manche peut compter au plus %1 caractères.</translation>
    </message>
    <message>
        <source>There is already a round called &quot;%1&quot;.</source>
        <translation>Il existe déjà une manche nommée « %1 ».</translation>
    </message>
    <message>
        <source>Rounds change between turns only.</source>
        <translation>Les manches ne changent qu&apos;entre deux passages.</translation>
    </message>
    <message>
        <source>There is no such round.</source>
        <translation>Cette manche n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Only a round without scores can be removed.</source>
        <translation>Seule une manche sans scores peut être supprimée.</translation>
    </message>
    <message>
        <source>The only round cannot be removed.</source>
        <translation>La seule manche ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>Remove Round %1</source>
        <translation>Supprimer la manche %1</translation>
    </message>
    <message>
        <source>A clap-off starts between turns only.</source>
        <translation>Un départage ne commence qu&apos;entre deux passages.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no score in %2.</source>
        <translation>« %1 » n&apos;a pas de score dans %2.</translation>
    </message>
    <message>
        <source>A clap-off needs two or more contestants.</source>
        <translation>Un départage demande au moins deux candidats.</translation>
    </message>
    <message>
        <source>A tie at the cut in %1: hold a clap-off first, or share the place.</source>
        <translation>Égalité à la limite dans %1 : d&apos;abord un départage, ou partager la place.</translation>
    </message>
    <message>
        <source>A duel needs two sides, each with its name and its microphones.</source>
        <translation>Un duel demande deux camps, chacun avec son nom et ses microphones.</translation>
    </message>
    <message>
        <source>The two sides of a duel need a name each, and not the same one.</source>
        <translation>Les deux camps d’un duel ont besoin chacun d’un nom, et pas du même.</translation>
    </message>
    <message>
        <source>A duel is measured by the microphones: switch on Edit &gt; Measure With Microphone first.</source>
        <translation>Un duel se mesure aux microphones : activez d’abord Édition &gt; Mesurer avec le microphone.</translation>
    </message>
    <message>
        <source>No microphone stands at &quot;%1&quot;.</source>
        <translation>Aucun microphone n’est placé à « %1 ».</translation>
    </message>
    <message>
        <source>The microphone at &quot;%1&quot; cannot hear both sides.</source>
        <translation>Le microphone « %1 » ne peut pas entendre les deux camps.</translation>
    </message>
    <message>
        <source>A duel starts between turns only.</source>
        <translation>Un duel ne commence qu’entre deux passages.</translation>
    </message>
    <message>
        <source>A duel&apos;s sides are rows of the league table: switch on Edit &gt; Use League Table first.</source>
        <translation>Les camps d’un duel sont des lignes du classement : activez d’abord Édition &gt; Utiliser le classement.</translation>
    </message>
    <message>
        <source>The duel could not begin.</source>
        <translation>Le duel n’a pas pu commencer.</translation>
    </message>
</context>
<context>
    <name>MicrophoneDialog</name>
    <message>
        <source>&amp;Turn length:</source>
        <translation>&amp;Durée du passage :</translation>
    </message>
    <message>
        <source>Measure the &amp;Room</source>
        <translation>Mesurer la &amp;salle</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source> LU</source>
        <translation> LU</translation>
    </message>
    <message>
        <source>&amp;Input:</source>
        <translation>&amp;Entrée :</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Niveau :</translation>
    </message>
    <message>
        <source>Room:</source>
        <translation>Salle :</translation>
    </message>
    <message>
        <source>R&amp;ange above the room:</source>
        <translation>&amp;Plage au-dessus de la salle :</translation>
    </message>
    <message>
        <source>Sound file %1</source>
        <translation>Fichier son %1</translation>
    </message>
    <message>
        <source>The system&apos;s default</source>
        <translation>Par défaut du système</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (non branché)</translation>
    </message>
    <message>
        <source>Nothing is heard: check the input and try again.</source>
        <translation>Rien n&apos;est entendu : vérifiez l&apos;entrée et réessayez.</translation>
    </message>
    <message>
        <source>Listening to the room for 3 seconds: please keep quiet.</source>
        <translation>Écoute de la salle pendant 3 secondes : silence, s&apos;il vous plaît.</translation>
    </message>
    <message>
        <source>The room is measured.</source>
        <translation>La salle est mesurée.</translation>
    </message>
    <message>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <source>A contestant&apos;s score is the loudness the room held for three seconds of the turn, so a single scream cannot win.</source>
        <translation>Le score d&apos;un candidat est la sonie que la salle a tenue pendant trois secondes du passage : un seul cri ne suffit pas à gagner.</translation>
    </message>
    <message>
        <source>The room&apos;s microphones</source>
        <translation>Les microphones de la salle</translation>
    </message>
    <message>
        <source>Measure &amp;All in a Quiet Room</source>
        <translation>Tout mesurer dans une salle &amp;calme</translation>
    </message>
    <message>
        <source>Start a &amp;Duel...</source>
        <translation>Commencer un &amp;duel...</translation>
    </message>
    <message>
        <source>No microphone is heard: check the inputs and try again.</source>
        <translation>Aucun microphone ne s’entend : vérifiez les entrées et réessayez.</translation>
    </message>
    <message>
        <source>Each microphone&apos;s floor is measured.</source>
        <translation>Le niveau de fond de chaque microphone est mesuré.</translation>
    </message>
</context>
<context>
    <name>MicrophoneInput</name>
    <message>
        <source>The microphone&apos;s module cannot be loaded: %1</source>
        <translation>Le module du microphone ne peut pas être chargé : %1</translation>
    </message>
</context>
<context>
    <name>MicrophoneSettings</name>
    <message>
        <source>Microphone %1</source>
        <translation>Microphone %1</translation>
    </message>
</context>
<context>
    <name>MicrophoneSource</name>
    <message>
        <source>The microphone at &quot;%1&quot; stopped; the others go on measuring the room.</source>
        <translation>Le microphone « %1 » s’est arrêté ; les autres continuent de mesurer la salle.</translation>
    </message>
    <message>
        <source>The microphone at &quot;%1&quot; stopped, the last that heard the room; the meter follows the keyboard.</source>
        <translation>Le microphone « %1 » s’est arrêté, le dernier qui entendait la salle ; le mesureur suit le clavier.</translation>
    </message>
    <message>
        <source>The microphone at &quot;%1&quot; is back; it measures the room again.</source>
        <translation>Le microphone « %1 » est revenu ; il mesure de nouveau la salle.</translation>
    </message>
</context>
<context>
    <name>NewRoundDialog</name>
    <message>
        <source>All tied at the cut go on</source>
        <translation>Tous les ex aequo à la limite passent</translation>
    </message>
    <message>
        <source>New Round</source>
        <translation>Nouvelle manche</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Manche %1</translation>
    </message>
    <message>
        <source>Rounds in order, best first</source>
        <translation>Manches dans l&apos;ordre, les meilleurs d&apos;abord</translation>
    </message>
    <message>
        <source>Reversed: the best last</source>
        <translation>Inversé : les meilleurs à la fin</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Vers le &amp;haut</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Vers le &amp;bas</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;From rounds:</source>
        <translation>&amp;Depuis les manches :</translation>
    </message>
    <message>
        <source>&amp;Best of each:</source>
        <translation>&amp;Meilleurs de chacune :</translation>
    </message>
    <message>
        <source>&amp;Order:</source>
        <translation>&amp;Ordre :</translation>
    </message>
    <message>
        <source>Running order:</source>
        <translation>Ordre de passage :</translation>
    </message>
    <message>
        <source>%1 tie at the cut in %2: hold a clap-off, or let all tied go on.</source>
        <translation>%1 sont ex aequo à la limite dans %2 : organisez un départage ou laissez passer tous les ex aequo.</translation>
    </message>
</context>
<context>
    <name>OperatorStrip</name>
    <message>
        <source>Meter running (no league table)</source>
        <translation>Mesure en continu (sans classement)</translation>
    </message>
    <message>
        <source>Name entry</source>
        <translation>Saisie du nom</translation>
    </message>
    <message>
        <source>Measuring</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Summary screen</source>
        <translation>Récapitulatif</translation>
    </message>
    <message>
        <source>Next: nobody waiting</source>
        <translation>Suivant : personne en attente</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Suivant : %1</translation>
    </message>
    <message>
        <source>The winners are showing (Esc ends them)</source>
        <translation>Les gagnants sont affichés (Échap les retire)</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 sur %3</translation>
    </message>
    <message>
        <source>Marked: %1</source>
        <translation>Notés : %1</translation>
    </message>
</context>
<context>
    <name>OscBridge</name>
    <message>
        <source>OSC is off: %1</source>
        <translation>OSC est désactivé : %1</translation>
    </message>
    <message>
        <source>OSC is off: its module cannot be loaded (%1).</source>
        <translation>OSC est désactivé : son module ne peut pas être chargé (%1).</translation>
    </message>
</context>
<context>
    <name>OscDialog</name>
    <message>
        <source>&amp;Take and send OSC messages</source>
        <translation>&amp;Recevoir et envoyer des messages OSC</translation>
    </message>
    <message>
        <source>Send the &amp;level (ten times a second at most)</source>
        <translation>Envoyer le &amp;niveau (dix fois par seconde au plus)</translation>
    </message>
    <message>
        <source>OSC</source>
        <translation>OSC</translation>
    </message>
    <message>
        <source>This computer only (127.0.0.1)</source>
        <translation>Cet ordinateur seulement (127.0.0.1)</translation>
    </message>
    <message>
        <source>The local network (0.0.0.0)</source>
        <translation>Le réseau local (0.0.0.0)</translation>
    </message>
    <message>
        <source>this computer only</source>
        <translation>cet ordinateur seulement</translation>
    </message>
    <message>
        <source>host:port, host:port</source>
        <translation>hôte:port, hôte:port</translation>
    </message>
    <message>
        <source>Send &amp;Test</source>
        <translation>Envoyer un &amp;test</translation>
    </message>
    <message>
        <source>&amp;Listen on:</source>
        <translation>&amp;Écouter sur :</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port :</translation>
    </message>
    <message>
        <source>&amp;Accept from:</source>
        <translation>&amp;Accepter de :</translation>
    </message>
    <message>
        <source>&amp;Send to:</source>
        <translation>En&amp;voyer à :</translation>
    </message>
    <message numerus="yes">
        <source>The test message went to %n target(s).</source>
        <translation>
            <numerusform>Le message de test est parti vers %n destination.</numerusform>
            <numerusform>Le message de test est parti vers %n destinations.</numerusform>
        </translation>
    </message>
    <message>
        <source>No target to send the test message to.</source>
        <translation>Aucune destination pour le message de test.</translation>
    </message>
    <message>
        <source>Not an address: %1</source>
        <translation>Ce n&apos;est pas une adresse : %1</translation>
    </message>
    <message>
        <source>OSC is off.</source>
        <translation>OSC est désactivé.</translation>
    </message>
    <message>
        <source>Messages in: %1, out: %2, refused: %3</source>
        <translation>Messages reçus : %1, envoyés : %2, refusés : %3</translation>
    </message>
</context>
<context>
    <name>OscLink</name>
    <message>
        <source>OSC messages cannot be read on this computer.</source>
        <translation>Les messages OSC ne peuvent pas être lus sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Port %1 cannot be opened for OSC: %2</source>
        <translation>Le port %1 ne peut pas être ouvert pour OSC : %2</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Edit League Table</source>
        <translation>Modifier le classement</translation>
    </message>
    <message>
        <source>Enter the names to be loaded into the league table, one entry per line.</source>
        <translation>Saisissez les noms à charger dans le classement, un par ligne.</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>Start Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>End Turn</source>
        <translation>Fin du passage</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>Abandon</translation>
    </message>
    <message>
        <source>Hold to Applaud</source>
        <translation>Maintenir pour applaudir</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Révéler</translation>
    </message>
    <message>
        <source>Next contestant&apos;s name</source>
        <translation>Nom du prochain candidat</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>The access token has changed: open this page again from Ovatron.</source>
        <translation>Le jeton d&apos;accès a changé : rouvrez cette page depuis Ovatron.</translation>
    </message>
    <message>
        <source>Judge</source>
        <translation>Juré</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyée</translation>
    </message>
    <message>
        <source>No contestant is open for marking now.</source>
        <translation>Aucun candidat n&apos;est ouvert à la notation pour l&apos;instant.</translation>
    </message>
    <message>
        <source>No network: the mark is kept and goes as soon as it can.</source>
        <translation>Pas de réseau : la note est gardée et partira dès que possible.</translation>
    </message>
    <message>
        <source>This link has been revoked: ask the operator for a new one.</source>
        <translation>Ce lien a été révoqué : demandez-en un nouveau à la régie.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 marked</source>
        <translation>%1 : %2 sur %3 ont noté</translation>
    </message>
</context>
<context>
    <name>RenameRoundDialog</name>
    <message>
        <source>Rename Round</source>
        <translation>Renommer la manche</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
</context>
<context>
    <name>ResultsDialogs</name>
    <message>
        <source>Spreadsheet (CSV) (*.csv)</source>
        <translation>Tableur (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Results sheet (PDF) (*.pdf)</source>
        <translation>Feuille de résultats (PDF) (*.pdf)</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Exporter les résultats</translation>
    </message>
</context>
<context>
    <name>ResultsExport</name>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Cannot export to %1: the file name must end in .csv or .pdf.</source>
        <translation>Impossible d&apos;exporter vers %1 : le nom du fichier doit se terminer par .csv ou .pdf.</translation>
    </message>
    <message>
        <source>Cannot export to %1: PDF needs the graphical part of Ovatron.</source>
        <translation>Impossible d&apos;exporter vers %1 : le PDF nécessite la partie graphique d&apos;Ovatron.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossible d&apos;écrire %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Impossible de lire %1 : %2.</translation>
    </message>
    <message>
        <source>The latest event has no round called %1.</source>
        <translation>Le dernier événement n&apos;a pas de manche nommée %1.</translation>
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
        <translation>Rang</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Event of %1</source>
        <translation>Événement du %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>No results.</source>
        <translation>Aucun résultat.</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Imprimé le %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Results: %1</source>
        <translation>Résultats : %1</translation>
    </message>
    <message>
        <source>applause %1</source>
        <translation>applaudissements %1</translation>
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
        <translation>Gagnants : %1</translation>
    </message>
    <message>
        <source>Judges&apos; Choice: %1 (%2)</source>
        <translation>Prix du jury : %1 (%2)</translation>
    </message>
    <message>
        <source>People&apos;s Choice: %1 (%2)</source>
        <translation>Prix du public : %1 (%2)</translation>
    </message>
</context>
<context>
    <name>ResumeQuestion</name>
    <message>
        <source>Resume Event</source>
        <translation>Reprendre l&apos;événement</translation>
    </message>
    <message>
        <source>one contestant</source>
        <translation>un candidat</translation>
    </message>
    <message>
        <source>%1 contestants</source>
        <translation>%1 candidats</translation>
    </message>
    <message>
        <source>The last event did not end with File &gt; Exit. It has %1; the last was &quot;%2&quot;.</source>
        <translation>Le dernier événement ne s&apos;est pas terminé par Fichier &gt; Quitter. Il compte %1 ; le dernier était « %2 ».</translation>
    </message>
    <message>
        <source>Resume it, or start a new event? The old one stays stored.</source>
        <translation>La reprendre ou commencer un nouvel événement ? L&apos;ancien reste enregistré.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Start New</source>
        <translation>Nouvel événement</translation>
    </message>
</context>
<context>
    <name>RoomCalibration</name>
    <message>
        <source>The microphone at &quot;%1&quot; heard nothing: is it plugged in and switched on?</source>
        <translation>Le microphone « %1 » n’a rien entendu : est-il branché et allumé ?</translation>
    </message>
    <message>
        <source>The microphone at &quot;%1&quot; read more than %2 LU above the others the whole time: it may stand next to a loudspeaker or a noisy spot.</source>
        <translation>Le microphone « %1 » a lu plus de %2 LU au-dessus des autres tout du long : il est peut-être près d’un haut-parleur ou d’un endroit bruyant.</translation>
    </message>
</context>
<context>
    <name>RoundDialogs</name>
    <message>
        <source>Tie</source>
        <translation>Égalité</translation>
    </message>
    <message>
        <source>%1 share a place in %2.</source>
        <translation>%1 partagent une place dans %2.</translation>
    </message>
    <message>
        <source>Clap-off</source>
        <translation>Départage</translation>
    </message>
    <message>
        <source>Share the Place</source>
        <translation>Partager la place</translation>
    </message>
</context>
<context>
    <name>ShowControlDialog</name>
    <message>
        <source>&amp;Let remotes control the show</source>
        <translation>&amp;Laisser les télécommandes piloter le spectacle</translation>
    </message>
    <message>
        <source>Show Control</source>
        <translation>Pilotage du spectacle</translation>
    </message>
    <message>
        <source>This computer only (127.0.0.1)</source>
        <translation>Cet ordinateur seulement (127.0.0.1)</translation>
    </message>
    <message>
        <source>The local network (0.0.0.0)</source>
        <translation>Le réseau local (0.0.0.0)</translation>
    </message>
    <message>
        <source>&amp;New Token</source>
        <translation>&amp;Nouveau jeton</translation>
    </message>
    <message>
        <source>&amp;Who may connect:</source>
        <translation>&amp;Qui peut se connecter :</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port :</translation>
    </message>
    <message>
        <source>Access token:</source>
        <translation>Jeton d&apos;accès :</translation>
    </message>
    <message>
        <source>Stream overlay:</source>
        <translation>Incrustation pour le direct :</translation>
    </message>
    <message>
        <source>Phone remote:</source>
        <translation>Télécommande sur téléphone :</translation>
    </message>
    <message>
        <source>API:</source>
        <translation>API :</translation>
    </message>
</context>
<context>
    <name>ShowControlLink</name>
    <message>
        <source>Show control is off: port %1 cannot be opened (%2).</source>
        <translation>Le pilotage du spectacle est désactivé : le port %1 ne peut pas être ouvert (%2).</translation>
    </message>
    <message>
        <source>Show control is off: its module cannot be loaded (%1).</source>
        <translation>Le pilotage du spectacle est désactivé : son module ne peut pas être chargé (%1).</translation>
    </message>
</context>
<context>
    <name>SoundCuesDialog</name>
    <message>
        <source>Drum roll</source>
        <translation>Roulement de tambour</translation>
    </message>
    <message>
        <source>Fanfare</source>
        <translation>Fanfare</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Buzzer</translation>
    </message>
    <message>
        <source>Sting</source>
        <translation>Ponctuation</translation>
    </message>
    <message>
        <source>&amp;Play sound cues</source>
        <translation>&amp;Jouer les signaux sonores</translation>
    </message>
    <message>
        <source>Sound Cues</source>
        <translation>Signaux sonores</translation>
    </message>
    <message>
        <source>The system&apos;s default</source>
        <translation>Par défaut du système</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (non connecté)</translation>
    </message>
    <message>
        <source>&amp;Output:</source>
        <translation>&amp;Sortie :</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume :</translation>
    </message>
    <message>
        <source>Try</source>
        <translation>Essayer</translation>
    </message>
    <message>
        <source>WAV File...</source>
        <translation>Fichier WAV...</translation>
    </message>
    <message>
        <source>Own Sound</source>
        <translation>Son propre</translation>
    </message>
    <message>
        <source>Plays the %1 as set here</source>
        <translation>Joue « %1 » tel que réglé ici</translation>
    </message>
    <message>
        <source>No cue plays while the microphone measures a turn.</source>
        <translation>Aucun signal n&apos;est joué pendant que le microphone mesure un passage.</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1: WAV File</source>
        <translation>%1 : fichier WAV</translation>
    </message>
    <message>
        <source>WAV files (*.wav);;All files (*)</source>
        <translation>Fichiers WAV (*.wav);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The sound cues&apos; module cannot be loaded.</source>
        <translation>Le module des signaux sonores ne peut pas être chargé.</translation>
    </message>
    <message>
        <source>%1 The %2 keeps its sound.</source>
        <translation>%1 « %2 » garde son son.</translation>
    </message>
    <message>
        <source>Ovatron&apos;s own</source>
        <translation>Propre à Ovatron</translation>
    </message>
</context>
<context>
    <name>StagePainter</name>
    <message>
        <source>New leader</source>
        <translation>Nouveau en tête</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Applause %1 × %2 %</source>
        <translation>Applaudissements %1 × %2 %</translation>
    </message>
    <message>
        <source>Jury %1 × %2 %</source>
        <translation>Jury %1 × %2 %</translation>
    </message>
    <message>
        <source>Result %1</source>
        <translation>Résultat %1</translation>
    </message>
    <message>
        <source>Judges&apos; Choice: %1 (%2)</source>
        <translation>Prix du jury : %1 (%2)</translation>
    </message>
    <message>
        <source>People&apos;s Choice: %1 (%2)</source>
        <translation>Prix du public : %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>ovatron: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); start Ovatron from a desktop session.</source>
        <translation>ovatron : aucun affichage trouvé (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini) ; lancez Ovatron depuis une session de bureau.</translation>
    </message>
    <message>
        <source>ovatron: cannot open the display: %1</source>
        <translation>ovatron : impossible d&apos;ouvrir l&apos;affichage : %1</translation>
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
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Microphone (the system&apos;s default)</source>
        <translation>Microphone (celui du système par défaut)</translation>
    </message>
    <message>
        <source>Microphone: %1</source>
        <translation>Microphone : %1</translation>
    </message>
    <message>
        <source>Not used (the keyboard measured)</source>
        <translation>Non utilisée (le clavier a mesuré)</translation>
    </message>
    <message>
        <source>Floor %1 LUFS, range %2 LU</source>
        <translation>Plancher %1 LUFS, plage %2 LU</translation>
    </message>
    <message>
        <source>Turn Details</source>
        <translation>Détails du passage</translation>
    </message>
    <message>
        <source>&amp;Turn:</source>
        <translation>&amp;Passage :</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score :</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>Loudest moment:</source>
        <translation>Moment le plus fort :</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Entrée :</translation>
    </message>
    <message>
        <source>Room:</source>
        <translation>Salle :</translation>
    </message>
    <message>
        <source>Turn %1 of %2, under way</source>
        <translation>Passage %1 sur %2, en cours</translation>
    </message>
    <message>
        <source>Turn %1 of %2</source>
        <translation>Passage %1 sur %2</translation>
    </message>
    <message>
        <source>Held level:</source>
        <translation>Niveau tenu :</translation>
    </message>
    <message>
        <source>Highest level:</source>
        <translation>Niveau le plus haut :</translation>
    </message>
    <message>
        <source>%1 after %2</source>
        <translation>%1 après %2</translation>
    </message>
    <message>
        <source>None yet</source>
        <translation>Aucun pour l&apos;instant</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>the system&apos;s default</source>
        <translation>celui du système par défaut</translation>
    </message>
    <message>
        <source>%1: %2, floor %3 LUFS</source>
        <translation>%1 : %2, plancher %3 LUFS</translation>
    </message>
    <message>
        <source>%1; it did not hear the room</source>
        <translation>%1 ; il n’a pas entendu la salle</translation>
    </message>
    <message>
        <source>%1; stopped after %2</source>
        <translation>%1 ; arrêté après %2</translation>
    </message>
    <message>
        <source>%1; heard %2 of the turn</source>
        <translation>%1 ; a entendu %2 du passage</translation>
    </message>
    <message>
        <source>Microphones:</source>
        <translation>Microphones :</translation>
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
        <translation>Jusqu&apos;à Entrée</translation>
    </message>
    <message>
        <source>Turn Length</source>
        <translation>Durée du passage</translation>
    </message>
    <message>
        <source>&amp;Turn length:</source>
        <translation>&amp;Durée du passage :</translation>
    </message>
    <message>
        <source>Each turn ends by itself this many seconds after the applause starts.</source>
        <translation>Chaque passage se termine de lui-même ce nombre de secondes après le début des applaudissements.</translation>
    </message>
</context>
<context>
    <name>UnsavedResultsQuestion</name>
    <message>
        <source>Results Not Saved</source>
        <translation>Résultats non enregistrés</translation>
    </message>
    <message>
        <source>Some results of this event are not saved: the disk refuses them.</source>
        <translation>Certains résultats de cet événement ne sont pas enregistrés : le disque les refuse.</translation>
    </message>
    <message>
        <source>Export them to another place before closing?</source>
        <translation>Les exporter vers un autre emplacement avant de fermer ?</translation>
    </message>
    <message>
        <source>Export Results...</source>
        <translation>Exporter les résultats...</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Fermer sans enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ViewDialogs</name>
    <message>
        <source>Remove Contestant</source>
        <translation>Retirer le candidat</translation>
    </message>
    <message>
        <source>Remove %1 from the league table?</source>
        <translation>Retirer %1 du classement ?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
