<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ActivityModel</name>
    <message>
        <source>Installed %1</source>
        <translation>Installation de %1</translation>
    </message>
    <message>
        <source>%1 didn’t install</source>
        <translation>Échec de l’installation de %1</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Mise à jour de %1</translation>
    </message>
    <message>
        <source>%1 didn’t update</source>
        <translation>Échec de la mise à jour de %1</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>Suppression de %1</translation>
    </message>
    <message>
        <source>%1 wasn’t removed</source>
        <translation>Échec de la suppression de %1</translation>
    </message>
    <message>
        <source>Set up Homebrew</source>
        <translation>Configuration de Homebrew</translation>
    </message>
    <message>
        <source>Homebrew wasn’t set up</source>
        <translation>Échec de la configuration de Homebrew</translation>
    </message>
    <message>
        <source>Worked through %1</source>
        <extracomment>A batch install; %1 is how many apps it held, e.g. &quot;3 apps&quot;</extracomment>
        <translation>Traitement de %1</translation>
    </message>
    <message>
        <source>Worked through %1, not all of it</source>
        <extracomment>A batch install that left some apps out; %1 is how many apps it held, e.g. &quot;3 apps&quot;</extracomment>
        <translation>Traitement de %1, incomplet</translation>
    </message>
    <message>
        <source>Reverted %1</source>
        <translation>Retour à l’ancienne version de %1</translation>
    </message>
    <message>
        <source>%1 wasn’t reverted</source>
        <translation>Échec du retour à l’ancienne version de %1</translation>
    </message>
    <message>
        <source>Put %1 back</source>
        <translation>Restauration de %1</translation>
    </message>
    <message>
        <source>%1 wasn’t put back</source>
        <translation>Échec de la restauration de %1</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Succeeded</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Refusé</translation>
    </message>
    <message>
        <source>Needs Homebrew</source>
        <translation>Homebrew requis</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Interrompu</translation>
    </message>
    <message>
        <source>Homebrew</source>
        <translation>Homebrew</translation>
    </message>
    <message>
        <source>GitHub download</source>
        <translation>Téléchargement GitHub</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Read aloud for a row of Activity: %1 what was done, %2 its outcome in lower case, %3 the versions, route and time</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A row of Activity: %1 what was done, %2 its outcome</extracomment>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>ActivityView</name>
    <message>
        <source>Activity</source>
        <translation>Activité</translation>
    </message>
    <message>
        <source>Show the activity of</source>
        <extracomment>Names the filter whose choices are &quot;All apps&quot; and each app&apos;s name</extracomment>
        <translation>Afficher l’activité de</translation>
    </message>
    <message>
        <source>Show operations that</source>
        <extracomment>Names the filter whose choices are &quot;Any outcome&quot; and each outcome, e.g. &quot;Failed&quot;</extracomment>
        <translation>Afficher les opérations selon le résultat</translation>
    </message>
    <message>
        <source>Any outcome</source>
        <translation>Tous les résultats</translation>
    </message>
    <message>
        <source>Operations, newest first</source>
        <translation>Opérations, les plus récentes en premier</translation>
    </message>
    <message>
        <source>Open a row for what happened and its log lines.</source>
        <translation>Ouvrez une ligne pour voir ce qui s’est passé et les lignes du journal.</translation>
    </message>
    <message>
        <source>Nothing has been done yet.</source>
        <translation>Aucune opération pour le moment.</translation>
    </message>
    <message>
        <source>Close Activity</source>
        <translation>Fermer l’activité</translation>
    </message>
    <message>
        <source>All apps</source>
        <translation>Toutes les apps</translation>
    </message>
    <message>
        <source>No operation matches.</source>
        <translation>Aucune opération ne correspond.</translation>
    </message>
</context>
<context>
    <name>AppArchiveInstaller</name>
    <message>
        <source>The download could not be prepared for unpacking.</source>
        <translation>Le téléchargement n’a pas pu être préparé pour la décompression.</translation>
    </message>
    <message>
        <source>There is no room to unpack the download.</source>
        <translation>L’espace est insuffisant pour décompresser le téléchargement.</translation>
    </message>
</context>
<context>
    <name>AppCard</name>
    <message>
        <source>See %1 screenshots and details.</source>
        <translation>Voir les captures d’écran et les détails de %1.</translation>
    </message>
</context>
<context>
    <name>AppCardActionArea</name>
    <message>
        <source>Installed</source>
        <translation>Installé</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Indisponible</translation>
    </message>
    <message>
        <source>Open Accessibility settings</source>
        <translation>Ouvrir les réglages Accessibilité</translation>
    </message>
    <message>
        <source>Need help opening it?</source>
        <translation>Besoin d’aide pour l’ouvrir&#xa0;?</translation>
    </message>
    <message>
        <source>Need help opening %1?</source>
        <translation>Besoin d’aide pour ouvrir %1&#xa0;?</translation>
    </message>
    <message>
        <source>Show the steps for opening %1 the first time.</source>
        <translation>Afficher les étapes pour ouvrir %1 la première fois.</translation>
    </message>
</context>
<context>
    <name>AppCardContent</name>
    <message>
        <source>Dismiss</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Dismiss what went wrong with %1</source>
        <translation>Ignorer l’erreur de %1</translation>
    </message>
    <message>
        <source>Show %1 as it is on this Mac now.</source>
        <translation>Afficher %1 tel qu’il est actuellement sur ce Mac.</translation>
    </message>
    <message>
        <source>Show in log</source>
        <translation>Afficher dans le journal</translation>
    </message>
    <message>
        <source>Show what went wrong with %1 in the install log</source>
        <translation>Afficher l’erreur de %1 dans le journal d’installation</translation>
    </message>
    <message>
        <source>Open the install log at the lines that explain what went wrong.</source>
        <translation>Ouvre le journal d’installation aux lignes qui expliquent l’erreur.</translation>
    </message>
    <message>
        <source>The free version is all you need. Pro extras are optional.</source>
        <translation>La version gratuite suffit. Les extras Pro sont facultatifs.</translation>
    </message>
    <message>
        <source>Cancel updating %1</source>
        <translation>Annuler la mise à jour de %1</translation>
    </message>
    <message>
        <source>Cancel installing %1</source>
        <translation>Annuler l’installation de %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop, and leave %1 as it is on disk.</source>
        <translation>Arrêter et laisser %1 tel quel sur le disque.</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Afficher dans le Finder</translation>
    </message>
    <message>
        <source>Show the app in the way of %1 in Finder</source>
        <translation>Afficher dans le Finder l’app qui bloque %1</translation>
    </message>
    <message>
        <source>Show the app already in Applications, to open it or move it to the Trash.</source>
        <translation>Affiche l’app déjà présente dans Applications, pour l’ouvrir ou la placer dans la Corbeille.</translation>
    </message>
    <message>
        <source>Refresh Homebrew</source>
        <translation>Actualiser Homebrew</translation>
    </message>
    <message>
        <source>Refresh Homebrew&apos;s list of apps for %1</source>
        <translation>Actualiser la liste d’apps de Homebrew pour %1</translation>
    </message>
    <message>
        <source>Bring Homebrew&apos;s list of apps up to date, so it knows %1.</source>
        <translation>Met à jour la liste d’apps de Homebrew pour qu’elle connaisse %1.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Try updating %1 again</source>
        <translation>Réessayer de mettre à jour %1</translation>
    </message>
    <message>
        <source>Try installing %1 again</source>
        <translation>Réessayer d’installer %1</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Install %1</source>
        <translation>Installer %1</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Désinstaller</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>Désinstaller %1</translation>
    </message>
    <message>
        <source>Remove %1 and its leftover files from this Mac.</source>
        <translation>Supprime %1 et ses données restantes de ce Mac.</translation>
    </message>
    <message>
        <source>Update %1 to %2</source>
        <extracomment>%1 is the app, %2 the version it is updated to</extracomment>
        <translation>Mettre à jour %1 vers %2</translation>
    </message>
    <message>
        <source>Install %1 %2 in place of the installed version.</source>
        <extracomment>%1 is the app, %2 the newer version</extracomment>
        <translation>Installe %1 %2 à la place de la version installée.</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>verb: open the app</comment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Ouvrir %1</translation>
    </message>
    <message>
        <source>Installed: %1</source>
        <extracomment>%1 is the version on this Mac</extracomment>
        <translation>Installé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Setting up Homebrew…</source>
        <translation>Configuration de Homebrew…</translation>
    </message>
    <message>
        <source>Installed. %1 available.</source>
        <extracomment>%1 is the update button&apos;s title, e.g. &quot;Update to 2.1.0&quot;</extracomment>
        <translation>Installé. Disponible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Downloading, %1%</source>
        <translation>Téléchargement, %1&#xa0;%</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installé</translation>
    </message>
</context>
<context>
    <name>AppDetailView</name>
    <message>
        <source>Done</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Heading over the app&apos;s description</extracomment>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>AppIconTile</name>
    <message>
        <source>%1 icon</source>
        <extracomment>%1 is the app&apos;s name</extracomment>
        <translation>Icône de %1</translation>
    </message>
</context>
<context>
    <name>AppSelectBox</name>
    <message>
        <source>Select %1</source>
        <translation>Sélectionner %1</translation>
    </message>
    <message>
        <source>Select %1 to install it with others</source>
        <translation>Sélectionner %1 pour l’installer avec d’autres</translation>
    </message>
</context>
<context>
    <name>AppSetFile</name>
    <message>
        <source>The file is not a list of apps: it holds binary data, not text.</source>
        <translation>Le fichier n’est pas une liste d’apps&#xa0;: il contient des données binaires, pas du texte.</translation>
    </message>
    <message>
        <source>The file is empty, so it names no apps.</source>
        <translation>Le fichier est vide&#xa0;: il ne mentionne aucune app.</translation>
    </message>
    <message>
        <source>“%1” is too large to be a list of apps.</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>«&#xa0;%1&#xa0;» est trop volumineux pour être une liste d’apps.</translation>
    </message>
    <message>
        <source>Could not read “%1”: it is not a file.</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: ce n’est pas un fichier.</translation>
    </message>
    <message>
        <source>Could not read “%1”: %2.</source>
        <extracomment>%1 is a file name, %2 why it could not be read.</extracomment>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Could not save “%1”: %2.</source>
        <extracomment>%1 is a file name, %2 why it could not be saved.</extracomment>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>AppSetTransfer</name>
    <message>
        <source>Export my apps…</source>
        <extracomment>The File menu item that saves the installed apps to a Brewfile.</extracomment>
        <translation>Exporter mes apps…</translation>
    </message>
    <message>
        <source>Install from file…</source>
        <extracomment>The File menu item that installs the apps listed in a Brewfile.</extracomment>
        <translation>Installer depuis un fichier…</translation>
    </message>
    <message>
        <source>Export my apps</source>
        <translation>Exporter mes apps</translation>
    </message>
    <message>
        <source>Your apps could not be exported.</source>
        <translation>Impossible d’exporter vos apps.</translation>
    </message>
    <message>
        <source>Install from file</source>
        <translation>Installer depuis un fichier</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
</context>
<context>
    <name>AppStatus</name>
    <message>
        <source>not installed</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>non installée</translation>
    </message>
    <message>
        <source>installed</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>installée</translation>
    </message>
    <message>
        <source>update available</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>mise à jour disponible</translation>
    </message>
    <message>
        <source>unavailable</source>
        <extracomment>An app&apos;s state in a list column: Homebrew no longer offers it</extracomment>
        <translation>indisponible</translation>
    </message>
    <message>
        <source>installing</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>installation en cours</translation>
    </message>
    <message>
        <source>removing</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>suppression en cours</translation>
    </message>
    <message>
        <source>failed</source>
        <extracomment>An app&apos;s state in a list column: its last operation failed</extracomment>
        <translation>échec</translation>
    </message>
    <message>
        <source>needs Homebrew</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>Homebrew requis</translation>
    </message>
    <message>
        <source>Update to %1</source>
        <extracomment>A button; %1 is the newer version, e.g. 2.1.0</extracomment>
        <translation>Mettre à jour vers %1</translation>
    </message>
</context>
<context>
    <name>AskpassDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Administrator password</source>
        <translation>Mot de passe d’administrateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Homebrew needs your Mac password to continue.</source>
        <translation>Homebrew a besoin du mot de passe de votre Mac pour continuer.</translation>
    </message>
    <message>
        <source>Homebrew needs your Mac password to finish with %1.</source>
        <extracomment>%1 is the name of the app being installed, updated or removed.</extracomment>
        <translation>Homebrew a besoin du mot de passe de votre Mac pour terminer avec %1.</translation>
    </message>
</context>
<context>
    <name>BatchFooter</name>
    <message>
        <source>Installs the selected apps one after another</source>
        <translation>Installe les apps sélectionnées l’une après l’autre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stops the app being installed and installs no other</source>
        <translation>Arrête l’installation en cours et n’installe aucune autre app</translation>
    </message>
    <message>
        <source>Try failed again</source>
        <translation>Réessayer les échecs</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Hides the summary of the last batch</source>
        <translation>Masque le résumé de la dernière série d’installations</translation>
    </message>
    <message numerus="yes">
        <source>Install %n apps</source>
        <translation>
            <numerusform>Installer %n app</numerusform>
            <numerusform>Installer %n apps</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchInstaller</name>
    <message numerus="yes">
        <source>%n installed</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were installed</extracomment>
        <translation>
            <numerusform>%n installée</numerusform>
            <numerusform>%n installées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n updated</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were updated</extracomment>
        <translation>
            <numerusform>%n mise à jour</numerusform>
            <numerusform>%n mises à jour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were removed</extracomment>
        <translation>
            <numerusform>%n supprimée</numerusform>
            <numerusform>%n supprimées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cancelled</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were cancelled</extracomment>
        <translation>
            <numerusform>%n annulée</numerusform>
            <numerusform>%n annulées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were skipped</extracomment>
        <translation>
            <numerusform>%n ignorée</numerusform>
            <numerusform>%n ignorées</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>%1 is an app&apos;s name, %2 the sentence saying why it failed</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed: %1</source>
        <extracomment>Part of a batch&apos;s summary: how many apps failed, then %1 the reasons, one sentence each</extracomment>
        <translation>
            <numerusform>%n en échec&#xa0;: %1</numerusform>
            <numerusform>%n en échec&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of a batch&apos;s summary, as in &quot;3 installed, 1 skipped&quot;</extracomment>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%n app(s)</source>
        <extracomment>A batch&apos;s name in the history of operations</extracomment>
        <translation>
            <numerusform>%n app</numerusform>
            <numerusform>%n apps</numerusform>
        </translation>
    </message>
    <message>
        <source>The window closed before this operation finished.</source>
        <translation>La fenêtre a été fermée avant la fin de cette opération.</translation>
    </message>
    <message>
        <source>Setting up Homebrew (one-time).</source>
        <translation>Configuration de Homebrew (une seule fois).</translation>
    </message>
    <message>
        <source>Installing %1 of %2: %3</source>
        <extracomment>%1 of %2 counts the apps of a batch; %3 is the app&apos;s name</extracomment>
        <translation>Installation de %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Updating %1 of %2: %3</source>
        <extracomment>%1 of %2 counts the apps of a batch; %3 is the app&apos;s name</extracomment>
        <translation>Mise à jour de %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Removing %1 of %2: %3</source>
        <extracomment>%1 of %2 counts the apps of a batch; %3 is the app&apos;s name</extracomment>
        <translation>Suppression de %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 is already installed.</source>
        <translation>%1 est déjà installée.</translation>
    </message>
    <message>
        <source>%1 is not installed.</source>
        <translation>%1 n’est pas installée.</translation>
    </message>
</context>
<context>
    <name>BeforeInstallFacts</name>
    <message>
        <source>Version</source>
        <extracomment>A row&apos;s title in &quot;Before you install&quot;</extracomment>
        <translation>Version</translation>
    </message>
    <message>
        <source>%1 (from %2)</source>
        <extracomment>%1 is a version, %2 where it comes from: Homebrew or GitHub</extracomment>
        <translation>%1 (depuis %2)</translation>
    </message>
    <message>
        <source>Download from</source>
        <extracomment>A row&apos;s title in &quot;Before you install&quot;: the host the app is downloaded from</extracomment>
        <translation>Téléchargement depuis</translation>
    </message>
    <message>
        <source>Checksum</source>
        <extracomment>A row&apos;s title in &quot;Before you install&quot;</extracomment>
        <translation>Somme de contrôle</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>A row&apos;s title in &quot;Before you install&quot;: the download&apos;s size</extracomment>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Before you install</source>
        <translation>Avant l’installation</translation>
    </message>
    <message>
        <source>Not known yet</source>
        <translation>Pas encore connu</translation>
    </message>
</context>
<context>
    <name>BrewNetwork</name>
    <message>
        <source>A mirror address starts with https:// and names a host, like https://mirror.example.com/homebrew.</source>
        <translation>Une adresse de miroir commence par https:// et indique un hôte, par exemple https://mirror.example.com/homebrew.</translation>
    </message>
</context>
<context>
    <name>BrewNotes</name>
    <message>
        <source>Downloading %1.</source>
        <translation>Téléchargement de %1.</translation>
    </message>
    <message>
        <source>Installing %1.</source>
        <translation>Installation de %1.</translation>
    </message>
    <message>
        <source>Putting %1 in place.</source>
        <translation>Mise en place de %1.</translation>
    </message>
    <message>
        <source>Almost done.</source>
        <translation>Presque terminé.</translation>
    </message>
    <message>
        <source>Working on %1.</source>
        <translation>Traitement de %1.</translation>
    </message>
    <message>
        <source>Cleaning up.</source>
        <translation>Nettoyage.</translation>
    </message>
    <message>
        <source>Removing %1.</source>
        <translation>Suppression de %1.</translation>
    </message>
</context>
<context>
    <name>BrewQuery</name>
    <message>
        <source>%1 was not run: Orvando is quitting.</source>
        <extracomment>%1 is a command, such as brew info</extracomment>
        <translation>%1 n’a pas été exécuté&#xa0;: Orvando est en train de quitter.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2.</source>
        <extracomment>%1 is a command, such as brew info; %2 the system&apos;s reason</extracomment>
        <translation>Impossible de lancer %1&#xa0;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 did not answer within %n seconds.</source>
        <extracomment>%1 is a command, such as brew info</extracomment>
        <translation>
            <numerusform>%1 n’a pas répondu dans un délai de %n seconde.</numerusform>
            <numerusform>%1 n’a pas répondu dans un délai de %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 failed (code %2).</source>
        <extracomment>%1 is a command, such as brew info; %2 its exit code</extracomment>
        <translation>%1 a échoué (code %2).</translation>
    </message>
    <message>
        <source>%1 failed (code %2): %3</source>
        <extracomment>%1 is a command, such as brew info; %2 its exit code; %3 brew&apos;s own message</extracomment>
        <translation>%1 a échoué (code %2)&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>BrewResult</name>
    <message>
        <source>No Homebrew found on this Mac.</source>
        <translation>Homebrew est introuvable sur ce Mac.</translation>
    </message>
</context>
<context>
    <name>BrewRunner</name>
    <message>
        <source>Install did not finish. You can try again.</source>
        <translation>L’installation n’a pas abouti. Vous pouvez réessayer.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
</context>
<context>
    <name>BundlePlacer</name>
    <message>
        <source>Could not put %1 into %2: %3.</source>
        <extracomment>%1 is an app&apos;s file name, %2 a folder, %3 the system&apos;s reason</extracomment>
        <translation>Impossible de placer %1 dans %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Could not put %1 into %2. %3</source>
        <extracomment>%1 is an app&apos;s file name, %2 a folder, %3 a sentence saying why</extracomment>
        <translation>Impossible de placer %1 dans %2. %3</translation>
    </message>
</context>
<context>
    <name>CaskFactsText</name>
    <message>
        <source> Homebrew suggests “%1” instead.</source>
        <extracomment>Follows another sentence, so it starts with a space; %1 is the name of another app or cask</extracomment>
        <translation> Homebrew suggère plutôt «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date format</comment>
        <extracomment>The date format for when Homebrew stops offering an app, as in 1 September 2026 (Qt&apos;s date pattern letters)</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>its makers have stopped working on it</source>
        <translation>ses développeurs ont cessé d’y travailler</translation>
    </message>
    <message>
        <source>it is now only on the Mac App Store</source>
        <translation>elle n’est désormais disponible que sur le Mac App Store</translation>
    </message>
    <message>
        <source>its makers no longer offer the download</source>
        <translation>ses développeurs ne proposent plus le téléchargement</translation>
    </message>
    <message>
        <source>it no longer meets Homebrew’s rules for apps</source>
        <translation>elle ne respecte plus les règles de Homebrew pour les apps</translation>
    </message>
    <message>
        <source>nobody maintains it any more</source>
        <translation>elle n’est plus maintenue</translation>
    </message>
    <message>
        <source>it does not pass Apple’s Gatekeeper check</source>
        <translation>elle ne passe pas le contrôle Gatekeeper d’Apple</translation>
    </message>
    <message>
        <source>it contains a part Apple’s security checks reject</source>
        <translation>elle contient un élément rejeté par les contrôles de sécurité d’Apple</translation>
    </message>
    <message>
        <source>its source code repository has been archived</source>
        <translation>son dépôt de code source a été archivé</translation>
    </message>
    <message>
        <source>its source code repository has been removed</source>
        <translation>son dépôt de code source a été supprimé</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1, since %2.</source>
        <extracomment>%1 is an app&apos;s name, %2 a date</extracomment>
        <translation>Homebrew ne propose plus %1 depuis le %2.</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1: %2, since %3.</source>
        <extracomment>%1 is an app&apos;s name, %2 why, as a clause (&quot;its makers have stopped working on it&quot;), %3 a date</extracomment>
        <translation>Homebrew ne propose plus %1 depuis le %3&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1.</source>
        <extracomment>%1 is an app&apos;s name</extracomment>
        <translation>Homebrew ne propose plus %1.</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1: %2.</source>
        <extracomment>%1 is an app&apos;s name, %2 why, as a clause (&quot;its makers have stopped working on it&quot;)</extracomment>
        <translation>Homebrew ne propose plus %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Homebrew no longer recommends %1.</source>
        <extracomment>%1 is an app&apos;s name</extracomment>
        <translation>Homebrew ne recommande plus %1.</translation>
    </message>
    <message>
        <source>Homebrew no longer recommends %1: %2.</source>
        <extracomment>%1 is an app&apos;s name, %2 why, as a clause (&quot;its makers have stopped working on it&quot;)</extracomment>
        <translation>Homebrew ne recommande plus %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source> It will stop offering it on %1.</source>
        <extracomment>Follows another sentence, so it starts with a space; %1 is a date</extracomment>
        <translation> Elle ne sera plus proposée à partir du %1.</translation>
    </message>
    <message>
        <source>Checksum verified by Homebrew</source>
        <translation>Somme de contrôle vérifiée par Homebrew</translation>
    </message>
    <message>
        <source>Not verified: this app&apos;s download changes with every release</source>
        <translation>Non vérifié&#xa0;: le téléchargement de cette app change à chaque version</translation>
    </message>
    <message>
        <source>Verified against GitHub&apos;s published digest</source>
        <translation>Vérifié avec l’empreinte publiée par GitHub</translation>
    </message>
    <message>
        <source>Not verified: GitHub published no digest for this download</source>
        <translation>Non vérifié&#xa0;: GitHub n’a publié aucune empreinte pour ce téléchargement</translation>
    </message>
    <message>
        <source>Updates itself</source>
        <translation>Se met à jour seule</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date format</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message numerus="yes">
        <source>Catalog: built in, %n apps</source>
        <translation>
            <numerusform>Catalogue&#xa0;: intégré, %n app</numerusform>
            <numerusform>Catalogue&#xa0;: intégré, %n apps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Catalog: updated %1, %n apps</source>
        <extracomment>%1 is the day the catalog in use was issued, e.g. &quot;7 December 2026&quot;.</extracomment>
        <translation>
            <numerusform>Catalogue&#xa0;: mis à jour le %1, %n app</numerusform>
            <numerusform>Catalogue&#xa0;: mis à jour le %1, %n apps</numerusform>
        </translation>
    </message>
    <message>
        <source>A newer catalog from %1 is ready. Orvando uses it the next time it opens.</source>
        <extracomment>%1 is the day the newer catalog was issued, e.g. &quot;7 December 2026&quot;.</extracomment>
        <translation>Un catalogue plus récent du %1 est prêt. Orvando l’utilisera à sa prochaine ouverture.</translation>
    </message>
</context>
<context>
    <name>CatalogApp</name>
    <message>
        <source>Window &amp; desktop</source>
        <extracomment>A category of apps, in the sidebar and on an app&apos;s page.</extracomment>
        <translation>Fenêtres et bureau</translation>
    </message>
    <message>
        <source>Clipboard &amp; text</source>
        <extracomment>A category of apps, in the sidebar and on an app&apos;s page.</extracomment>
        <translation>Presse-papiers et texte</translation>
    </message>
    <message>
        <source>Media</source>
        <extracomment>A category of apps (video, audio, images), in the sidebar and on an app&apos;s page.</extracomment>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <extracomment>A category of apps that live in the menu bar, in the sidebar and on an app&apos;s page.</extracomment>
        <translation>Barre des menus</translation>
    </message>
    <message>
        <source>Privacy &amp; security</source>
        <extracomment>A category of apps (password managers), in the sidebar and on an app&apos;s page.</extracomment>
        <translation>Confidentialité et sécurité</translation>
    </message>
    <message>
        <source>Files &amp; disk</source>
        <extracomment>A category of apps, in the sidebar and on an app&apos;s page.</extracomment>
        <translation>Fichiers et disque</translation>
    </message>
    <message>
        <source>Proprietary</source>
        <extracomment>An app&apos;s licence: closed source, owned by its maker.</extracomment>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Free</source>
        <extracomment>An app&apos;s price: it costs nothing.</extracomment>
        <translation>Gratuit</translation>
    </message>
    <message>
        <source>Freemium</source>
        <extracomment>An app&apos;s price: free, with paid extras.</extracomment>
        <translation>Freemium</translation>
    </message>
    <message>
        <source>%1/yr</source>
        <extracomment>A yearly price; %1 is the amount with its currency, e.g. &quot;$30&quot;.</extracomment>
        <translation>%1/an</translation>
    </message>
    <message>
        <source>%1/mo</source>
        <extracomment>A monthly price; %1 is the amount with its currency, e.g. &quot;$23&quot;.</extracomment>
        <translation>%1/mois</translation>
    </message>
    <message>
        <source>No value associated with key &quot;%1&quot;.</source>
        <extracomment>A catalog entry lacks a field; %1 is the JSON key, e.g. &quot;homepage&quot;.</extracomment>
        <translation>Aucune valeur pour la clé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Expected a string for key &quot;%1&quot;.</source>
        <extracomment>%1 is a JSON key of a catalog entry.</extracomment>
        <translation>Une chaîne est attendue pour la clé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Expected an object for key &quot;%1&quot;.</source>
        <extracomment>%1 is a JSON key of a catalog entry.</extracomment>
        <translation>Un objet est attendu pour la clé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Cannot initialize %1 from invalid value &quot;%2&quot;.</source>
        <extracomment>%1 is a JSON key of a catalog entry (&quot;category&quot;), %2 the value found there.</extracomment>
        <translation>«&#xa0;%2&#xa0;» n’est pas une valeur valide pour %1.</translation>
    </message>
    <message>
        <source>Invalid number of keys found, expected one.</source>
        <extracomment>The &quot;install&quot; field of a catalog entry must name exactly one kind of source.</extracomment>
        <translation>Nombre de clés incorrect&#xa0;: une seule est attendue.</translation>
    </message>
    <message>
        <source>Cannot initialize install from invalid key &quot;%1&quot;.</source>
        <extracomment>%1 is a JSON key found in the &quot;install&quot; field of a catalog entry.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas une clé valide pour install.</translation>
    </message>
    <message>
        <source>Expected an array for key &quot;screenshots&quot;.</source>
        <translation>Une liste est attendue pour la clé «&#xa0;screenshots&#xa0;».</translation>
    </message>
    <message>
        <source>Expected a string in &quot;screenshots&quot;.</source>
        <translation>Une chaîne est attendue dans «&#xa0;screenshots&#xa0;».</translation>
    </message>
    <message>
        <source>Expected a boolean for key &quot;isCurated&quot;.</source>
        <translation>Un booléen est attendu pour la clé «&#xa0;isCurated&#xa0;».</translation>
    </message>
</context>
<context>
    <name>CatalogDocument</name>
    <message>
        <source>the id is not a plain lower-case name</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>l’identifiant n’est pas un simple nom en minuscules</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>le nom est vide</translation>
    </message>
    <message>
        <source>the cask token is not one brew would take as a name</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>le jeton du cask n’est pas un nom que brew accepterait</translation>
    </message>
    <message>
        <source>the GitHub repository is not &quot;owner/name&quot;</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>le dépôt GitHub n’est pas de la forme «&#xa0;owner/name&#xa0;»</translation>
    </message>
    <message>
        <source>an asset name is not a plain file name</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>un nom de ressource n’est pas un simple nom de fichier</translation>
    </message>
    <message>
        <source>the home page is not an https address</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>la page d’accueil n’est pas une adresse https</translation>
    </message>
    <message>
        <source>the bundle identifier is not one macOS would accept</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>macOS n’accepterait pas l’identifiant de bundle</translation>
    </message>
    <message>
        <source>a screenshot name is not a plain name</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>un nom de capture d’écran n’est pas un simple nom</translation>
    </message>
    <message>
        <source>The catalog is not a JSON object.</source>
        <translation>Le catalogue n’est pas un objet JSON.</translation>
    </message>
    <message>
        <source>The catalog is not of format %1.</source>
        <extracomment>%1 is the number of the catalog layout this program reads, e.g. 1.</extracomment>
        <translation>Le catalogue n’est pas au format %1.</translation>
    </message>
    <message>
        <source>The catalog has no valid &quot;issued&quot; date and time.</source>
        <translation>Le catalogue n’a pas de date et heure «&#xa0;issued&#xa0;» valides.</translation>
    </message>
    <message>
        <source>The catalog has no list of apps.</source>
        <translation>Le catalogue ne contient aucune liste d’apps.</translation>
    </message>
    <message>
        <source>Entry %1 is not an object.</source>
        <extracomment>%1 is the number of an entry in the catalog&apos;s list of apps, from 1.</extracomment>
        <translation>L’entrée %1 n’est pas un objet.</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <extracomment>%1 is the number of an entry in the catalog&apos;s list of apps, %2 what is wrong with it.</extracomment>
        <translation>Entrée %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Entry %1 (&quot;%2&quot;): %3.</source>
        <extracomment>%1 is the number of an entry in the catalog&apos;s list of apps, %2 its id, %3 what is wrong with it (&quot;the name is empty&quot;).</extracomment>
        <translation>Entrée %1 («&#xa0;%2&#xa0;»)&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Entry %1: the id &quot;%2&quot; is used twice.</source>
        <extracomment>%1 is the number of an entry in the catalog&apos;s list of apps, %2 its id.</extracomment>
        <translation>Entrée %1&#xa0;: l’identifiant «&#xa0;%2&#xa0;» est utilisé deux fois.</translation>
    </message>
</context>
<context>
    <name>CatalogList</name>
    <message>
        <source>A clipboard that remembers what you copied.</source>
        <translation>Un presse-papiers qui se souvient de ce que vous avez copié.</translation>
    </message>
    <message>
        <source>Hide and arrange your menu bar icons.</source>
        <translation>Masquez et organisez les icônes de la barre des menus.</translation>
    </message>
    <message>
        <source>Snap windows into place with a keyboard shortcut.</source>
        <translation>Placez vos fenêtres d’un raccourci clavier.</translation>
    </message>
    <message>
        <source>Arrange windows by flicking your mouse to an edge.</source>
        <translation>Organisez vos fenêtres d’un geste de la souris vers un bord.</translation>
    </message>
    <message>
        <source>See every window when you switch with the keyboard.</source>
        <translation>Voyez chaque fenêtre lorsque vous basculez au clavier.</translation>
    </message>
    <message>
        <source>A video player that plays everything.</source>
        <translation>Un lecteur vidéo qui lit tout.</translation>
    </message>
    <message>
        <source>Convert video into a smaller, shareable file.</source>
        <translation>Convertissez une vidéo en un fichier plus léger, facile à partager.</translation>
    </message>
    <message>
        <source>Convert audio, video, and images with pro control.</source>
        <translation>Convertissez audio, vidéo et images avec un contrôle professionnel.</translation>
    </message>
    <message>
        <source>Download video and audio from the web, beautifully.</source>
        <translation>Téléchargez vidéo et audio depuis le Web, en toute élégance.</translation>
    </message>
    <message>
        <source>See CPU, memory, and network in your menu bar.</source>
        <translation>Surveillez processeur, mémoire et réseau dans la barre des menus.</translation>
    </message>
    <message>
        <source>Open and make archives in any format.</source>
        <translation>Ouvrez et créez des archives dans tous les formats.</translation>
    </message>
    <message>
        <source>Type a short code and expand it into anything.</source>
        <translation>Tapez un code court et développez-le en n’importe quel texte.</translation>
    </message>
    <message>
        <source>Tune resolution, brightness, and dummy displays.</source>
        <translation>Réglez la résolution, la luminosité et les écrans virtuels.</translation>
    </message>
    <message>
        <source>Screenshot, annotate, and pull text out of any image.</source>
        <translation>Capturez l’écran, annotez et extrayez le texte de n’importe quelle image.</translation>
    </message>
    <message>
        <source>Uninstall apps and sweep up the files they leave behind.</source>
        <translation>Désinstallez des apps et faites le ménage dans les fichiers qu’elles laissent.</translation>
    </message>
    <message>
        <source>Pomodoro timer in your menu bar.</source>
        <translation>Un minuteur Pomodoro dans la barre des menus.</translation>
    </message>
    <message>
        <source>Launch apps and run quick actions from one bar.</source>
        <translation>Lancez des apps et des actions rapides depuis une seule barre.</translation>
    </message>
    <message>
        <source>Make any mouse scroll and track the way you want.</source>
        <translation>Réglez le défilement et le suivi de n’importe quelle souris à votre goût.</translation>
    </message>
    <message>
        <source>Read your news feeds in one quiet place.</source>
        <translation>Lisez vos fils d’actualité dans un endroit calme.</translation>
    </message>
    <message>
        <source>The player that has never met a file it cannot open.</source>
        <translation>Le lecteur qui n’a jamais rencontré de fichier qu’il ne sait pas ouvrir.</translation>
    </message>
    <message>
        <source>Draw and edit vector graphics for free.</source>
        <translation>Dessinez et modifiez des graphismes vectoriels gratuitement.</translation>
    </message>
    <message>
        <source>Tuck away the menu bar icons you rarely need.</source>
        <translation>Rangez les icônes de la barre des menus dont vous vous servez peu.</translation>
    </message>
    <message>
        <source>Keep your passwords in a vault you own.</source>
        <translation>Gardez vos mots de passe dans un coffre qui vous appartient.</translation>
    </message>
    <message>
        <source>Sync your passwords across every device you own.</source>
        <translation>Synchronisez vos mots de passe sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Write an OS image to an SD card without fuss.</source>
        <translation>Copiez une image système sur une carte SD, sans complications.</translation>
    </message>
    <message>
        <source>Send files between your devices over the local network.</source>
        <translation>Envoyez des fichiers entre vos appareils via le réseau local.</translation>
    </message>
    <message>
        <source>Browse FTP and cloud storage like a folder.</source>
        <translation>Parcourez serveurs FTP et stockage en ligne comme un dossier.</translation>
    </message>
    <message>
        <source>Organize and convert your ebook library.</source>
        <translation>Organisez et convertissez votre bibliothèque de livres numériques.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>GitHub releases of %1 (%2)</source>
        <extracomment>%1 is a GitHub repository, %2 the file downloaded from its releases</extracomment>
        <translation>Versions GitHub de %1 (%2)</translation>
    </message>
    <message>
        <source>Homebrew cask %1</source>
        <translation>Cask Homebrew %1</translation>
    </message>
    <message>
        <source>The free version is all you need. Pro extras are optional.</source>
        <translation>La version gratuite suffit. Les options Pro sont facultatives.</translation>
    </message>
    <message>
        <source>Replaces %1 - %2</source>
        <extracomment>%1 is a paid app, %2 its price, such as $30/yr</extracomment>
        <translation>Remplace %1 – %2</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>%1 (installed %2)</source>
        <extracomment>%1 is the update, such as &quot;Update to 2.1.0&quot;, %2 the installed version</extracomment>
        <translation>%1 (installée : %2)</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Pricing</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Hand-picked</source>
        <translation>Sélectionnée</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Bundle ID</source>
        <translation>Identifiant de bundle</translation>
    </message>
    <message>
        <source>none recorded</source>
        <translation>aucun indiqué</translation>
    </message>
    <message>
        <source>Installed at</source>
        <translation>Installée dans</translation>
    </message>
    <message>
        <source>list: every app, not only the hand-picked ones; update: every app with an update</source>
        <translation>list : toutes les apps, pas seulement la sélection ; update : toutes les apps qui ont une mise à jour</translation>
    </message>
    <message>
        <source>only the apps of one category: window, clipboard, media, menubar, security, files</source>
        <translation>seulement les apps d’une catégorie : window, clipboard, media, menubar, security, files</translation>
    </message>
    <message>
        <source>apps whose name, description, category or replaced app holds the text</source>
        <translation>les apps dont le nom, la description, la catégorie ou l’app remplacée contient le texte</translation>
    </message>
    <message>
        <source>print JSON (documented in the README) instead of text</source>
        <translation>afficher du JSON (décrit dans le README) au lieu du texte</translation>
    </message>
    <message>
        <source>install without asking for confirmation</source>
        <translation>installer sans demander de confirmation</translation>
    </message>
    <message>
        <source>history: list at most n operations (20 unless given)</source>
        <translation>history : afficher au plus n opérations (20 par défaut)</translation>
    </message>
    <message>
        <source>never set up Homebrew; exit with 3 when an app needs it</source>
        <translation>ne jamais configurer Homebrew ; quitter avec 3 si une app en a besoin</translation>
    </message>
    <message>
        <source>uninstall: remove the app only; its settings and data stay</source>
        <translation>uninstall : supprimer l’app seulement ; ses réglages et données restent</translation>
    </message>
    <message>
        <source>uninstall: list what would go, with sizes; nothing is changed</source>
        <translation>uninstall : lister ce qui serait supprimé, avec les tailles ; rien n’est modifié</translation>
    </message>
    <message>
        <source>no progress and no success messages; errors only</source>
        <translation>ni progression ni message de réussite ; erreurs seulement</translation>
    </message>
    <message>
        <source>also print brew&apos;s own lines</source>
        <translation>afficher aussi les lignes de brew</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>cette aide</translation>
    </message>
    <message>
        <source>The hand-picked apps (every app with --all), with their state.</source>
        <translation>Les apps de la sélection (toutes avec --all), avec leur état.</translation>
    </message>
    <message>
        <source>Everything about one app: what it is, its state, and what you are about to trust.</source>
        <translation>Tout sur une app : ce qu’elle est, son état et ce à quoi vous allez faire confiance.</translation>
    </message>
    <message>
        <source>Installs apps, one after another.</source>
        <translation>Installe des apps, l’une après l’autre.</translation>
    </message>
    <message>
        <source>Removes apps and the files they leave behind, to the Trash.</source>
        <translation>Supprime des apps et les fichiers qu’elles laissent, dans la Corbeille.</translation>
    </message>
    <message>
        <source>Updates the apps named, or every app with an update (those that update themselves are left alone).</source>
        <translation>Met à jour les apps indiquées, ou toutes celles qui ont une mise à jour (celles qui se mettent à jour seules sont laissées telles quelles).</translation>
    </message>
    <message>
        <source>The installed apps that have a newer version.</source>
        <translation>Les apps installées qui ont une version plus récente.</translation>
    </message>
    <message>
        <source>Writes the installed apps as a Brewfile, to the file or to standard output.</source>
        <translation>Écrit les apps installées sous forme de Brewfile, dans le fichier ou sur la sortie standard.</translation>
    </message>
    <message>
        <source>Installs the apps a Brewfile or a list of ids names, once you have confirmed the set.</source>
        <translation>Installe les apps qu’indique un Brewfile ou une liste d’identifiants, une fois l’ensemble confirmé.</translation>
    </message>
    <message>
        <source>What Orvando did, newest first: every operation, one app&apos;s (by its id), or one operation in full (by its number).</source>
        <translation>Ce qu’Orvando a fait, le plus récent d’abord : toutes les opérations, celles d’une app (par son identifiant) ou une opération en détail (par son numéro).</translation>
    </message>
    <message>
        <source>Puts back the version of a downloaded app that its last update replaced.</source>
        <translation>Rétablit la version d’une app téléchargée que sa dernière mise à jour a remplacée.</translation>
    </message>
    <message>
        <source>Name the apps to update, or use --all, not both.</source>
        <translation>Indiquez les apps à mettre à jour ou utilisez --all, pas les deux.</translation>
    </message>
    <message>
        <source>The %1 command needs one file.</source>
        <extracomment>%1 is a command&apos;s name, such as info</extracomment>
        <translation>La commande %1 requiert un fichier.</translation>
    </message>
    <message>
        <source>The %1 command needs one app id.</source>
        <translation>La commande %1 requiert un identifiant d’app.</translation>
    </message>
    <message>
        <source>Name at least one app to %1.</source>
        <translation>Indiquez au moins une app pour %1.</translation>
    </message>
    <message>
        <source>The %1 command takes no app or file names.</source>
        <translation>La commande %1 n’accepte aucun nom d’app ni de fichier.</translation>
    </message>
    <message>
        <source>The %1 command takes one name only.</source>
        <translation>La commande %1 n’accepte qu’un seul nom.</translation>
    </message>
    <message>
        <source>Name a command. “%1 --help” lists them.</source>
        <translation>Indiquez une commande. « %1 --help » les énumère.</translation>
    </message>
    <message>
        <source>Unknown command “%1”.</source>
        <translation>Commande inconnue « %1 ».</translation>
    </message>
    <message>
        <source>“%1 --help” lists the commands.</source>
        <translation>« %1 --help » énumère les commandes.</translation>
    </message>
    <message>
        <source>Unknown option “%1” for %2.</source>
        <extracomment>%1 is the option typed, %2 the command&apos;s name</extracomment>
        <translation>Option inconnue « %1 » pour %2.</translation>
    </message>
    <message>
        <source>Did you mean “%1”?</source>
        <translation>Vouliez-vous dire « %1 » ?</translation>
    </message>
    <message>
        <source>“%1 %2 --help” lists its options.</source>
        <translation>« %1 %2 --help » énumère ses options.</translation>
    </message>
    <message>
        <source>%1 needs a value: %2.</source>
        <extracomment>%1 is the option, %2 what it takes, such as &lt;n&gt;</extracomment>
        <translation>%1 requiert une valeur : %2.</translation>
    </message>
    <message>
        <source>--limit needs a whole number above 0.</source>
        <translation>--limit requiert un nombre entier supérieur à 0.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <translation>%1 n’accepte aucune valeur.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is the command line as typed, such as &quot;orvando-cli info &lt;id&gt;&quot;</extracomment>
        <translation>Utilisation : %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>The hand-picked catalog of free Mac apps, from a terminal or a script.</source>
        <translation>Le catalogue sélectionné d’apps Mac gratuites, depuis un terminal ou un script.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes :</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>la version du programme</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 an operation failed, 2 bad usage, 3 Homebrew is needed and was not set up, 130 interrupted.</source>
        <translation>Code de sortie : 0 terminé, 1 une opération a échoué, 2 mauvaise utilisation, 3 Homebrew est nécessaire et n’a pas été configuré, 130 interrompu.</translation>
    </message>
    <message>
        <source>Unknown app “%1”.</source>
        <translation>App inconnue « %1 ».</translation>
    </message>
    <message>
        <source>The list --all command shows every app.</source>
        <translation>La commande list --all affiche toutes les apps.</translation>
    </message>
    <message>
        <source>Unknown category “%1”.</source>
        <extracomment>%1 lists the category names to type, which stay in English</extracomment>
        <translation>Catégorie inconnue « %1 ».</translation>
    </message>
    <message>
        <source>The categories are %1.</source>
        <translation>Les catégories sont %1.</translation>
    </message>
    <message>
        <source>Installed %1.</source>
        <translation>%1 installée.</translation>
    </message>
    <message>
        <source>Updated %1.</source>
        <extracomment>%1 is the app, %2 its new version</extracomment>
        <translation>%1 mise à jour.</translation>
    </message>
    <message>
        <source>Updated %1 to %2.</source>
        <translation>%1 mise à jour vers %2.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1 supprimée.</translation>
    </message>
    <message>
        <source>Not started: %1.</source>
        <extracomment>%1 lists the apps&apos; names</extracomment>
        <translation>Pas commencé : %1.</translation>
    </message>
    <message>
        <source>Homebrew was not set up, as --no-setup asks.</source>
        <translation>Homebrew n’a pas été configuré, comme --no-setup le demande.</translation>
    </message>
    <message>
        <source>Run this in a terminal to set Homebrew up (it asks for your password once), or install Homebrew first.</source>
        <translation>Lancez ceci dans un terminal pour configurer Homebrew (votre mot de passe est demandé une fois), ou installez d’abord Homebrew.</translation>
    </message>
    <message>
        <source>Stopped. %1 is left as it is on disk.</source>
        <translation>Arrêté. %1 reste tel quel sur le disque.</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Impossible de rechercher les mises à jour.</translation>
    </message>
    <message>
        <source>Reading what Homebrew says about the apps…</source>
        <translation>Lecture de ce que Homebrew dit des apps…</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>Not every app could be checked for updates: %1</source>
        <translation>Toutes les apps n’ont pas pu être vérifiées : %1</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n apps to %1.</source>
        <translation>
            <numerusform>%n app écrite dans %1.</numerusform>
            <numerusform>%n apps écrites dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>The history of operations can&apos;t be read.</source>
        <translation>L’historique des opérations ne peut pas être lu.</translation>
    </message>
    <message>
        <source>There is no operation %1 in the history.</source>
        <translation>Il n’y a pas d’opération %1 dans l’historique.</translation>
    </message>
    <message>
        <source>Nothing has been done yet.</source>
        <translation>Rien n’a encore été fait.</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>DÉBUT</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APP</translation>
    </message>
    <message>
        <source>KIND</source>
        <translation>TYPE</translation>
    </message>
    <message>
        <source>VERSION</source>
        <translation>VERSION</translation>
    </message>
    <message>
        <source>OUTCOME</source>
        <translation>RÉSULTAT</translation>
    </message>
    <message>
        <source>Not in the catalog, left out: %1.</source>
        <translation>Absentes du catalogue, ignorées : %1.</translation>
    </message>
    <message>
        <source>Left to Homebrew: %1.</source>
        <translation>Laissées à Homebrew : %1.</translation>
    </message>
    <message>
        <source>The file names no app of the catalog.</source>
        <translation>Le fichier n’indique aucune app du catalogue.</translation>
    </message>
    <message numerus="yes">
        <source>The file names %n apps:</source>
        <translation>
            <numerusform>Le fichier indique %n app :</numerusform>
            <numerusform>Le fichier indique %n apps :</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was installed: confirm with --yes, or run the import in a terminal.</source>
        <translation>Rien n’a été installé : confirmez avec --yes, ou lancez l’importation dans un terminal.</translation>
    </message>
    <message>
        <source>Install %1? [y/N] </source>
        <extracomment>The answer stays y or n in every language</extracomment>
        <translation>Installer %1 ? [y/N] </translation>
    </message>
    <message numerus="yes">
        <source>Install these %n apps? [y/N] </source>
        <translation>
            <numerusform>Installer cette app (%n) ? [y/N] </numerusform>
            <numerusform>Installer ces %n apps ? [y/N] </numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was installed.</source>
        <translation>Rien n’a été installé.</translation>
    </message>
    <message>
        <source>No app matches.</source>
        <translation>Aucune app ne correspond.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>CATEGORY</source>
        <translation>CATÉGORIE</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>ÉTAT</translation>
    </message>
    <message>
        <source>Left alone: %1</source>
        <translation>Laissée telle quelle : %1</translation>
    </message>
    <message>
        <source>Every installed app is up to date.</source>
        <translation>Toutes les apps installées sont à jour.</translation>
    </message>
    <message>
        <source>INSTALLED</source>
        <translation>INSTALLÉE</translation>
    </message>
    <message>
        <source>AVAILABLE</source>
        <translation>DISPONIBLE</translation>
    </message>
    <message>
        <source>Putting %1 %2 back…</source>
        <extracomment>%1 is the app, %2 the version it goes back to</extracomment>
        <translation>Rétablissement de %1 %2…</translation>
    </message>
    <message>
        <source>Put %1 %2 back.</source>
        <translation>%1 %2 rétablie.</translation>
    </message>
    <message>
        <source>(needs your administrator password)</source>
        <translation>(requiert votre mot de passe d’administrateur)</translation>
    </message>
    <message numerus="yes">
        <source>(%n items of data kept)</source>
        <translation>
            <numerusform>(%n élément de données conservé)</numerusform>
            <numerusform>(%n éléments de données conservés)</numerusform>
        </translation>
    </message>
    <message>
        <source>kept (one of your own folders): %1</source>
        <translation>conservé (l’un de vos propres dossiers) : %1</translation>
    </message>
    <message>
        <source>left alone: %1</source>
        <translation>laissé tel quel : %1</translation>
    </message>
</context>
<context>
    <name>DetailActionArea</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>verb: open the app</comment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installé</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Désinstaller</translation>
    </message>
    <message>
        <source>Set up Homebrew</source>
        <translation>Configurer Homebrew</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Indisponible</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Afficher dans le Finder</translation>
    </message>
    <message>
        <source>Refresh Homebrew</source>
        <translation>Actualiser Homebrew</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Ouvrir %1</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>Désinstaller %1</translation>
    </message>
    <message>
        <source>Set up Homebrew for %1</source>
        <translation>Configurer Homebrew pour %1</translation>
    </message>
    <message>
        <source>One-time setup (needs your Mac password once), then %1 installs automatically.</source>
        <translation>Configuration unique (demande une fois le mot de passe de votre Mac), puis %1 s’installe automatiquement.</translation>
    </message>
</context>
<context>
    <name>DirectDownload</name>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Resolving latest %1 release from %2</source>
        <extracomment>%1 is the app, %2 its GitHub repository (&quot;p0deje/Maccy&quot;).</extracomment>
        <translation>Recherche de la dernière version de %1 sur %2</translation>
    </message>
    <message>
        <source>Finding the latest %1.</source>
        <translation>Recherche de la dernière version de %1.</translation>
    </message>
    <message>
        <source>There is no private temporary folder to download into.</source>
        <translation>Aucun dossier temporaire privé n’est disponible pour le téléchargement.</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <extracomment>%1 is the name of the file downloaded (&quot;Maccy.app.zip&quot;).</extracomment>
        <translation>Téléchargement de %1</translation>
    </message>
    <message>
        <source>Downloading %1.</source>
        <extracomment>%1 is the app, with the version coming when it is known (&quot;Maccy 2.1.0&quot;).</extracomment>
        <translation>Téléchargement de %1.</translation>
    </message>
    <message>
        <source>Extracting and installing %1.app</source>
        <extracomment>%1 is the app&apos;s name; %1.app is its bundle.</extracomment>
        <translation>Extraction et installation de %1.app</translation>
    </message>
    <message>
        <source>Putting %1 in place.</source>
        <extracomment>%1 is the app, with the version coming when it is known (&quot;Maccy 2.1.0&quot;).</extracomment>
        <translation>Mise en place de %1.</translation>
    </message>
    <message>
        <source>%1 was successfully updated at %2</source>
        <extracomment>%1 is the app, %2 where its bundle now is.</extracomment>
        <translation>%1 a bien été mis à jour dans %2</translation>
    </message>
    <message>
        <source>%1 was successfully installed at %2</source>
        <translation>%1 a bien été installé dans %2</translation>
    </message>
</context>
<context>
    <name>DirectInstallError</name>
    <message>
        <source>Could not find a download named %1 in the latest release.</source>
        <extracomment>%1 is the name of a file of the release</extracomment>
        <translation>Aucun téléchargement nommé %1 dans la dernière version.</translation>
    </message>
    <message>
        <source>Could not unpack the download (code %1).</source>
        <extracomment>%1 is the unpacking tool&apos;s exit code</extracomment>
        <translation>Impossible de décompresser le téléchargement (code %1).</translation>
    </message>
    <message>
        <source>The download did not contain an app.</source>
        <translation>Le téléchargement ne contenait aucune app.</translation>
    </message>
    <message>
        <source>The download did not match its published checksum.</source>
        <translation>Le téléchargement ne correspondait pas à sa somme de contrôle publiée.</translation>
    </message>
    <message>
        <source>The app in the download is not the one expected, so it was not installed.</source>
        <translation>L’app du téléchargement n’est pas celle attendue&#xa0;; elle n’a donc pas été installée.</translation>
    </message>
    <message>
        <source>The app in the download points to files outside itself, so it was not installed.</source>
        <translation>L’app du téléchargement pointe vers des fichiers situés en dehors d’elle&#xa0;; elle n’a donc pas été installée.</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>%1 KB</source>
        <extracomment>Kilobytes, in decimal units as the Finder counts them</extracomment>
        <translation>%1&#xa0;Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1&#xa0;Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1&#xa0;Go</translation>
    </message>
    <message>
        <source>%1 s left</source>
        <extracomment>Time left of a download, in seconds</extracomment>
        <translation>%1 s restantes</translation>
    </message>
    <message>
        <source>%1 min left</source>
        <extracomment>Time left of a download, in minutes</extracomment>
        <translation>%1 min restantes</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <extracomment>Time left of a download, in hours</extracomment>
        <translation>environ %1 h restantes</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>How much of a download has come, in percent</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1/s</source>
        <extracomment>A download&apos;s speed; %1 is a size such as 1.2 MB</extracomment>
        <translation>%1/s</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>Downloading · %1</source>
        <extracomment>%1 is how far the download has come: &quot;21% · 10.0 MB / 46.7 MB · 1.2 MB/s · 30 s left&quot;</extracomment>
        <translation>Téléchargement · %1</translation>
    </message>
    <message>
        <source> · </source>
        <extracomment>Between the figures of a download: &quot;21% · 10.0 MB / 46.7 MB · 1.2 MB/s&quot;</extracomment>
        <translation> · </translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <extracomment>%1 is the size received so far, %2 the whole size</extracomment>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>EmptyState</name>
    <message>
        <source>No handselected apps in this category.</source>
        <translation>Aucune app de notre sélection dans cette catégorie.</translation>
    </message>
    <message>
        <source>No apps match “%1”</source>
        <extracomment>%1 is the text typed in the search field.</extracomment>
        <translation>Aucune app ne correspond à «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>FailureExplainer</name>
    <message>
        <source>The download of %1 failed (%2 answered %3). The app&apos;s publisher may have moved it; try again later.</source>
        <extracomment>%1 is the app, %2 the server&apos;s host name, %3 the HTTP status it answered with (404).</extracomment>
        <translation>Le téléchargement de %1 a échoué (%2 a répondu %3). L’éditeur de l’app l’a peut-être déplacé&#xa0;; réessayez plus tard.</translation>
    </message>
    <message>
        <source>The download of %1 failed (the server answered %2). The app&apos;s publisher may have moved it; try again later.</source>
        <extracomment>%1 is the app, %2 the HTTP status the server answered with (404).</extracomment>
        <translation>Le téléchargement de %1 a échoué (le serveur a répondu %2). L’éditeur de l’app l’a peut-être déplacé&#xa0;; réessayez plus tard.</translation>
    </message>
    <message>
        <source>The download of %1 from %2 failed. The app&apos;s publisher may have moved it; try again later.</source>
        <extracomment>%1 is the app, %2 the server&apos;s host name.</extracomment>
        <translation>Le téléchargement de %1 depuis %2 a échoué. L’éditeur de l’app l’a peut-être déplacé&#xa0;; réessayez plus tard.</translation>
    </message>
    <message>
        <source>The download of %1 failed. The app&apos;s publisher may have moved it; try again later.</source>
        <translation>Le téléchargement de %1 a échoué. L’éditeur de l’app l’a peut-être déplacé&#xa0;; réessayez plus tard.</translation>
    </message>
    <message>
        <source>The download of %1 did not match its published checksum, so it was not installed.</source>
        <translation>Le téléchargement de %1 ne correspondait pas à sa somme de contrôle publiée&#xa0;; l’app n’a donc pas été installée.</translation>
    </message>
    <message>
        <source>The download of %1 did not match its published checksum, so it was not updated.</source>
        <translation>Le téléchargement de %1 ne correspondait pas à sa somme de contrôle publiée&#xa0;; l’app n’a donc pas été mise à jour.</translation>
    </message>
    <message>
        <source>%1 does not support this version of macOS (it runs on: %2 or newer).</source>
        <extracomment>%1 is the app, %2 the oldest macOS it runs on, as Homebrew names it (&quot;Ventura&quot; or &quot;13&quot;).</extracomment>
        <translation>%1 ne prend pas en charge cette version de macOS (fonctionne avec&#xa0;: %2 ou ultérieur).</translation>
    </message>
    <message>
        <source>%1 does not support this version of macOS (it runs on: %2 or older).</source>
        <extracomment>%1 is the app, %2 the newest macOS it runs on, as Homebrew names it (&quot;Monterey&quot; or &quot;12&quot;).</extracomment>
        <translation>%1 ne prend pas en charge cette version de macOS (fonctionne avec&#xa0;: %2 ou antérieur).</translation>
    </message>
    <message>
        <source>%1 does not support this version of macOS (it runs on: %2).</source>
        <extracomment>%1 is the app, %2 the macOS versions it runs on, as Homebrew lists them (&quot;Sonoma and Sequoia&quot;).</extracomment>
        <translation>%1 ne prend pas en charge cette version de macOS (fonctionne avec&#xa0;: %2).</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1.</source>
        <translation>Homebrew ne propose plus %1.</translation>
    </message>
    <message>
        <source>Homebrew&apos;s list of apps on this Mac is out of date and does not know %1 yet. Refresh it, then try again.</source>
        <translation>La liste des apps de Homebrew sur ce Mac est obsolète et ne connaît pas encore %1. Actualisez-la, puis réessayez.</translation>
    </message>
    <message>
        <source>Homebrew&apos;s own copy of an earlier %1, left in its folder by an update that did not finish, is in the way, so %1 was not installed.</source>
        <translation>Une copie antérieure de %1, laissée dans le dossier de Homebrew par une mise à jour inachevée, gêne l’opération&#xa0;; %1 n’a donc pas été installé.</translation>
    </message>
    <message>
        <source>Homebrew&apos;s own copy of an earlier %1, left in its folder by an update that did not finish, is in the way, so %1 was not updated.</source>
        <translation>Une copie antérieure de %1, laissée dans le dossier de Homebrew par une mise à jour inachevée, gêne l’opération&#xa0;; %1 n’a donc pas été mis à jour.</translation>
    </message>
    <message>
        <source>Homebrew&apos;s own copy of an earlier %1, left in its folder by an update that did not finish, is in the way, so %1 was not removed.</source>
        <translation>Une copie antérieure de %1, laissée dans le dossier de Homebrew par une mise à jour inachevée, gêne l’opération&#xa0;; %1 n’a donc pas été supprimé.</translation>
    </message>
    <message>
        <source>%1 is already in Applications but was not installed through Homebrew. Open it, or remove it first.</source>
        <translation>%1 se trouve déjà dans Applications mais n’a pas été installé via Homebrew. Ouvrez-le ou supprimez-le d’abord.</translation>
    </message>
    <message>
        <source>The Mac password was not entered, so %1 was not installed.</source>
        <translation>Le mot de passe du Mac n’a pas été saisi&#xa0;; %1 n’a donc pas été installé.</translation>
    </message>
    <message>
        <source>The Mac password was not entered, so %1 was not updated.</source>
        <translation>Le mot de passe du Mac n’a pas été saisi&#xa0;; %1 n’a donc pas été mis à jour.</translation>
    </message>
    <message>
        <source>The Mac password was not entered, so %1 was not removed.</source>
        <translation>Le mot de passe du Mac n’a pas été saisi&#xa0;; %1 n’a donc pas été supprimé.</translation>
    </message>
    <message>
        <source>The installer of %1 failed. Its own log is in the install log.</source>
        <translation>Le programme d’installation de %1 a échoué. Son propre journal figure dans le journal d’installation.</translation>
    </message>
    <message>
        <source>Homebrew could not write to %1, so %2 was not installed. Its folders may belong to another user.</source>
        <extracomment>%1 is the folder or file Homebrew could not write to, %2 the app.</extracomment>
        <translation>Homebrew n’a pas pu écrire dans %1&#xa0;; %2 n’a donc pas été installé. Ses dossiers appartiennent peut-être à un autre utilisateur.</translation>
    </message>
    <message>
        <source>Homebrew could not write to %1, so %2 was not updated. Its folders may belong to another user.</source>
        <translation>Homebrew n’a pas pu écrire dans %1&#xa0;; %2 n’a donc pas été mis à jour. Ses dossiers appartiennent peut-être à un autre utilisateur.</translation>
    </message>
    <message>
        <source>Homebrew could not write to %1, so %2 was not removed. Its folders may belong to another user.</source>
        <translation>Homebrew n’a pas pu écrire dans %1&#xa0;; %2 n’a donc pas été supprimé. Ses dossiers appartiennent peut-être à un autre utilisateur.</translation>
    </message>
    <message>
        <source>%1 could not be downloaded: no connection to its download server.</source>
        <translation>Impossible de télécharger %1&#xa0;: aucune connexion à son serveur de téléchargement.</translation>
    </message>
    <message>
        <source>%1 could not be downloaded: no connection to %2.</source>
        <extracomment>%1 is the app, %2 the host name of its download server.</extracomment>
        <translation>Impossible de télécharger %1&#xa0;: aucune connexion à %2.</translation>
    </message>
    <message>
        <source>Homebrew could not install %1: %2</source>
        <extracomment>%1 is the app, %2 the reason: Homebrew&apos;s own message, in English, or a sentence of ours.</extracomment>
        <translation>Homebrew n’a pas pu installer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Homebrew could not update %1: %2</source>
        <translation>Homebrew n’a pas pu mettre à jour %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Homebrew could not remove %1: %2</source>
        <translation>Homebrew n’a pas pu supprimer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>a step it ran failed (%1 exited with %2).</source>
        <extracomment>Follows a colon: &quot;Homebrew could not install Maccy: a step it ran failed (installer exited with 1).&quot; %1 is the program that failed, %2 its exit status.</extracomment>
        <translation>une étape qu’il a lancée a échoué (%1 s’est terminé avec le code %2).</translation>
    </message>
</context>
<context>
    <name>Feedback</name>
    <message>
        <source>What did you try?


What worked?


What broke or felt confusing?


Your Mac (model + macOS version):
</source>
        <extracomment>The body of a feedback e-mail: questions, each followed by room for the answer</extracomment>
        <translation>Qu’avez-vous essayé&#xa0;?


Qu’est-ce qui a fonctionné&#xa0;?


Qu’est-ce qui n’a pas marché ou vous a semblé déroutant&#xa0;?


Votre Mac (modèle + version de macOS)&#xa0;:
</translation>
    </message>
    <message>
        <source>Orvando v%1 feedback</source>
        <extracomment>The subject of a feedback e-mail; %1 is Orvando&apos;s version</extracomment>
        <translation>Commentaires sur Orvando v%1</translation>
    </message>
    <message>
        <source>Orvando app suggestion</source>
        <translation>Suggestion d’app pour Orvando</translation>
    </message>
    <message>
        <source>Suggested app / tool:


%1


Why it should be in Orvando:

</source>
        <extracomment>The body of an app suggestion e-mail; %1 is what the user typed</extracomment>
        <translation>App ou outil suggéré&#xa0;:


%1


Pourquoi l’ajouter à Orvando&#xa0;:

</translation>
    </message>
</context>
<context>
    <name>GatekeeperVerdict</name>
    <message>
        <source>Not checked on this computer</source>
        <translation>Non vérifiée sur cet ordinateur</translation>
    </message>
    <message>
        <source>Accepted: %1</source>
        <extracomment>Gatekeeper&apos;s verdict; %1 is the source macOS names, such as Notarized Developer ID</extracomment>
        <translation>Acceptée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Accepted: %1 (%2)</source>
        <extracomment>Gatekeeper&apos;s verdict; %1 is the source macOS names, %2 the developer it names</extracomment>
        <translation>Acceptée&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Rejected: %1</source>
        <extracomment>Gatekeeper&apos;s verdict; %1 is the source macOS names</extracomment>
        <translation>Refusée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Checking…</source>
        <extracomment>Gatekeeper&apos;s check of a downloaded app is running</extracomment>
        <translation>Vérification…</translation>
    </message>
</context>
<context>
    <name>GitHubRelease</name>
    <message>
        <source>The release information from GitHub could not be read: %1</source>
        <extracomment>%1 says what is wrong with it</extracomment>
        <translation>Les informations de version de GitHub n’ont pas pu être lues&#xa0;: %1</translation>
    </message>
    <message>
        <source>“%1” is missing.</source>
        <extracomment>%1 is the name of a field in GitHub&apos;s answer</extracomment>
        <translation>«&#xa0;%1&#xa0;» est absent.</translation>
    </message>
    <message>
        <source>“%1” has the wrong type.</source>
        <extracomment>%1 is the name of a field in GitHub&apos;s answer</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’a pas le bon type.</translation>
    </message>
    <message>
        <source>it is not valid JSON.</source>
        <translation>elles ne sont pas au format JSON valide.</translation>
    </message>
    <message>
        <source>it is not a release.</source>
        <translation>elles ne décrivent pas une version.</translation>
    </message>
</context>
<context>
    <name>GitHubReleaseClient</name>
    <message>
        <source>the server stopped answering</source>
        <translation>le serveur ne répond plus</translation>
    </message>
    <message>
        <source>There is no valid address for the releases of %1.</source>
        <extracomment>%1 is a GitHub repository, such as owner/name</extracomment>
        <translation>Il n’existe aucune adresse valide pour les versions de %1.</translation>
    </message>
    <message>
        <source>Could not get the latest release from %1 (%2). You can try again.</source>
        <extracomment>%1 is a host, such as api.github.com; %2 why, in lower case</extracomment>
        <translation>Impossible d’obtenir la dernière version depuis %1 (%2). Vous pouvez réessayer.</translation>
    </message>
    <message>
        <source>There is no private temporary folder to download into.</source>
        <translation>Aucun dossier temporaire privé n’est disponible pour le téléchargement.</translation>
    </message>
    <message>
        <source>The download from %1 was larger than announced.</source>
        <extracomment>%1 is a host, such as github.com</extracomment>
        <translation>Le téléchargement depuis %1 était plus volumineux qu’annoncé.</translation>
    </message>
    <message>
        <source>The download from %1 was too large, so it was stopped.</source>
        <extracomment>%1 is a host, such as github.com</extracomment>
        <translation>Le téléchargement depuis %1 était trop volumineux&#xa0;; il a donc été arrêté.</translation>
    </message>
    <message>
        <source>The download could not be saved: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Le téléchargement n’a pas pu être enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>the server sent the wrong part of the file</source>
        <translation>le serveur a envoyé la mauvaise partie du fichier</translation>
    </message>
    <message>
        <source>the connection closed early</source>
        <translation>la connexion s’est fermée prématurément</translation>
    </message>
    <message>
        <source>The download from %1 did not finish (%2). You can try again.</source>
        <extracomment>%1 is a host, such as github.com; %2 why, in lower case</extracomment>
        <translation>Le téléchargement depuis %1 n’a pas abouti (%2). Vous pouvez réessayer.</translation>
    </message>
    <message>
        <source>The download from %1 failed (HTTP %2). You can try again.</source>
        <extracomment>%1 is a host, such as github.com; %2 the HTTP status code</extracomment>
        <translation>Le téléchargement depuis %1 a échoué (HTTP %2). Vous pouvez réessayer.</translation>
    </message>
</context>
<context>
    <name>HomebrewSetup</name>
    <message>
        <source>No address is set for Homebrew&apos;s install script.</source>
        <translation>Aucune adresse n’est définie pour le script d’installation de Homebrew.</translation>
    </message>
    <message>
        <source>No private temporary folder is available for the setup.</source>
        <translation>Aucun dossier temporaire privé n’est disponible pour la configuration.</translation>
    </message>
    <message>
        <source>The Homebrew installer could not be downloaded. Check your connection and try again.</source>
        <translation>Impossible de télécharger le programme d’installation de Homebrew. Vérifiez votre connexion et réessayez.</translation>
    </message>
    <message>
        <source>Setting up Homebrew (one-time).</source>
        <translation>Configuration de Homebrew (une seule fois).</translation>
    </message>
    <message>
        <source>Waiting for the Homebrew setup that is already running.</source>
        <translation>En attente de la configuration de Homebrew déjà en cours.</translation>
    </message>
    <message>
        <source>Setting up Homebrew (one-time). macOS will ask for your password once.</source>
        <translation>Configuration de Homebrew (une seule fois). macOS vous demandera votre mot de passe une fois.</translation>
    </message>
    <message>
        <source>Homebrew setup did not complete (code %1).</source>
        <extracomment>%1 is the exit status of the setup.</extracomment>
        <translation>La configuration de Homebrew n’a pas abouti (code %1).</translation>
    </message>
    <message>
        <source>Homebrew is ready. From now on installs are silent.</source>
        <translation>Homebrew est prêt. Les installations se feront désormais sans interruption.</translation>
    </message>
    <message>
        <source>Homebrew setup finished but brew was not found afterward.</source>
        <translation>La configuration de Homebrew s’est terminée, mais brew est ensuite introuvable.</translation>
    </message>
</context>
<context>
    <name>HomebrewSetupCommand</name>
    <message>
        <source>The Homebrew installer could not be copied to a safe place.</source>
        <translation>Le programme d’installation de Homebrew n’a pas pu être copié dans un emplacement sûr.</translation>
    </message>
    <message>
        <source>The Homebrew installer&apos;s checksum could not be verified.</source>
        <translation>La somme de contrôle du programme d’installation de Homebrew n’a pas pu être vérifiée.</translation>
    </message>
    <message>
        <source>The Homebrew installer&apos;s signature could not be verified.</source>
        <translation>La signature du programme d’installation de Homebrew n’a pas pu être vérifiée.</translation>
    </message>
    <message>
        <source>The Homebrew installer is not notarized by Apple.</source>
        <translation>Le programme d’installation de Homebrew n’est pas notarié par Apple.</translation>
    </message>
    <message>
        <source>The Homebrew installer is not signed by Homebrew.</source>
        <translation>Le programme d’installation de Homebrew n’est pas signé par Homebrew.</translation>
    </message>
</context>
<context>
    <name>HomebrewSetupPanel</name>
    <message>
        <source>Setting up Homebrew…</source>
        <translation>Configuration de Homebrew…</translation>
    </message>
    <message>
        <source>Set up Homebrew (one-time, ~2 min — needs your Mac password once)</source>
        <translation>Configurer Homebrew (une fois, ~2 min — demande une fois le mot de passe de votre Mac)</translation>
    </message>
    <message>
        <source>Installs Homebrew with your password, then continues installing %1.</source>
        <translation>Installe Homebrew avec votre mot de passe, puis poursuit l’installation de %1.</translation>
    </message>
    <message>
        <source>%1 installs through Homebrew, a free package manager for the Mac. orvando can set it up for you — one time, right here.</source>
        <translation>%1 s’installe via Homebrew, un gestionnaire de paquets gratuit pour Mac. orvando peut le configurer pour vous — une seule fois, ici même.</translation>
    </message>
    <message>
        <source>It asks for your password once. After that every install is silent — no Terminal, ever.</source>
        <translation>Votre mot de passe est demandé une seule fois. Ensuite, chaque installation se fait en silence — jamais de Terminal.</translation>
    </message>
</context>
<context>
    <name>ImportConfirmation</name>
    <message>
        <source>Install from file</source>
        <translation>Installer depuis un fichier</translation>
    </message>
    <message>
        <source>“%1” names no app of the catalog.</source>
        <extracomment>%1 is the name of the file chosen.</extracomment>
        <translation>«&#xa0;%1&#xa0;» ne contient aucune app du catalogue.</translation>
    </message>
    <message>
        <source>“%1” names these apps:</source>
        <extracomment>%1 is the name of the file chosen; the list of apps follows.</extracomment>
        <translation>«&#xa0;%1&#xa0;» contient ces apps&#xa0;:</translation>
    </message>
    <message>
        <source>Not recognised: %1</source>
        <extracomment>%1 lists the names in the file that are not apps of the catalog.</extracomment>
        <translation>Non reconnu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Left to Homebrew: %1</source>
        <extracomment>%1 lists the file&apos;s lines Orvando leaves for Homebrew to handle (taps, formulae).</extracomment>
        <translation>Laissé à Homebrew&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 — unavailable</source>
        <extracomment>%1 is an app&apos;s name, in the list of apps a file names.</extracomment>
        <translation>%1 — indisponible</translation>
    </message>
    <message>
        <source>%1 — already installed</source>
        <extracomment>%1 is an app&apos;s name, in the list of apps a file names.</extracomment>
        <translation>%1 — déjà installée</translation>
    </message>
</context>
<context>
    <name>Install</name>
    <message>
        <source>Getting %1 ready.</source>
        <translation>Préparation de %1.</translation>
    </message>
    <message>
        <source>%1 installs through Homebrew, which isn&apos;t set up on this Mac yet — offering a one-time in-app setup.</source>
        <translation>%1 s’installe via Homebrew, qui n’est pas encore configuré sur ce Mac — une configuration unique dans l’app est proposée.</translation>
    </message>
    <message>
        <source>brew finished but %1 was not found on disk</source>
        <translation>brew s’est terminé mais %1 est introuvable sur le disque</translation>
    </message>
    <message>
        <source>Install finished but %1 was not found. You can try again.</source>
        <translation>L’installation s’est terminée mais %1 est introuvable. Vous pouvez réessayer.</translation>
    </message>
</context>
<context>
    <name>InstallEngine</name>
    <message>
        <source>Another operation on %1 is still running; try again when it has finished.</source>
        <translation>Une autre opération sur %1 est encore en cours&#xa0;; réessayez lorsqu’elle sera terminée.</translation>
    </message>
    <message>
        <source>Homebrew setup didn&apos;t finish. You can try again — it asks for your Mac password once, then all installs are silent.</source>
        <translation>La configuration de Homebrew n’a pas abouti. Vous pouvez réessayer&#xa0;: le mot de passe de votre Mac n’est demandé qu’une fois, puis toutes les installations se font sans interruption.</translation>
    </message>
    <message>
        <source>warning: No log files are written: the log folder %1 is a link to another place.</source>
        <extracomment>%1 is the log folder&apos;s path</extracomment>
        <translation>warning: Aucun fichier journal n’est écrit&#xa0;: le dossier des journaux %1 est un lien vers un autre emplacement.</translation>
    </message>
    <message>
        <source>==&gt; Opening %1</source>
        <extracomment>A line of the log; %1 is the app&apos;s name</extracomment>
        <translation>==&gt; Ouverture de %1</translation>
    </message>
    <message>
        <source>%1 installs through Homebrew, which isn&apos;t set up on this Mac yet.</source>
        <translation>%1 s’installe avec Homebrew, qui n’est pas encore configuré sur ce Mac.</translation>
    </message>
    <message>
        <source>%1 is not in the state asked for.</source>
        <translation>%1 n’est pas dans l’état demandé.</translation>
    </message>
    <message>
        <source>note: Skipped %1: another operation on it is still running.</source>
        <translation>note: %1 ignorée&#xa0;: une autre opération la concernant est encore en cours.</translation>
    </message>
    <message>
        <source>note: %1</source>
        <extracomment>A line of the log; %1 is a whole sentence</extracomment>
        <translation>note: %1</translation>
    </message>
</context>
<context>
    <name>InstallGuidancePanel</name>
    <message>
        <source>macOS may ask “Are you sure you want to open this app from the internet?” — click Open.</source>
        <extracomment>The question and the &quot;Open&quot; button are the ones macOS shows, in its own words</extracomment>
        <translation>macOS peut demander «&#xa0;Voulez-vous vraiment ouvrir cette app provenant d’Internet&#xa0;?&#xa0;» — cliquez sur Ouvrir.</translation>
    </message>
    <message>
        <source>Didn’t open?</source>
        <translation>Elle ne s’ouvre pas&#xa0;?</translation>
    </message>
    <message>
        <source>Launch %1</source>
        <translation>Lancer %1</translation>
    </message>
</context>
<context>
    <name>InstallLogFile</name>
    <message numerus="yes">
        <source>%n lines were left out of this file while the disk was too slow.</source>
        <translation>
            <numerusform>%n ligne a été omise de ce fichier car le disque était trop lent.</numerusform>
            <numerusform>%n lignes ont été omises de ce fichier car le disque était trop lent.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogDrawer</name>
    <message>
        <source>Install log</source>
        <translation>Journal d’installation</translation>
    </message>
    <message>
        <source>No installs yet. The raw Homebrew log shows here.</source>
        <translation>Aucune installation pour l’instant. Le journal brut de Homebrew s’affiche ici.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <extracomment>How many lines the install log holds, beside its title.</extracomment>
        <translation>
            <numerusform>%n ligne</numerusform>
            <numerusform>%n lignes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogListView</name>
    <message>
        <source>Install log lines</source>
        <translation>Lignes du journal d’installation</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>MAC_APPLICATION_MENU</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Réglages…</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Services</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>Masquer %1</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>Masquer les autres</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Quitter %1</translation>
    </message>
</context>
<context>
    <name>MailFallback</name>
    <message>
        <source>No mail app opened. Write to %1.</source>
        <extracomment>%1 is the support email address.</extracomment>
        <translation>Aucune app de messagerie ne s’est ouverte. Écrivez à %1.</translation>
    </message>
    <message>
        <source>Copy address</source>
        <translation>Copier l’adresse</translation>
    </message>
</context>
<context>
    <name>NetworkSection</name>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Orvando and Homebrew use the proxy set in System Settings. Mirrors are optional: leave them empty to use Homebrew’s own servers.</source>
        <translation>Orvando et Homebrew utilisent le proxy défini dans Réglages Système. Les miroirs sont facultatifs&#xa0;: laissez-les vides pour utiliser les serveurs de Homebrew.</translation>
    </message>
    <message>
        <source>Given to Homebrew as %1.</source>
        <extracomment>%1 is the name of the environment variable Homebrew reads</extracomment>
        <translation>Transmis à Homebrew sous le nom %1.</translation>
    </message>
    <message>
        <source>Homebrew API mirror</source>
        <translation>Miroir de l’API Homebrew</translation>
    </message>
    <message>
        <source>Bottle mirror</source>
        <translation>Miroir des bottles</translation>
    </message>
    <message>
        <source>Artifact mirror</source>
        <translation>Miroir des artefacts</translation>
    </message>
</context>
<context>
    <name>NetworkStatus</name>
    <message>
        <source>You&apos;re offline. Connect to the internet and try again.</source>
        <translation>Vous êtes hors ligne. Connectez-vous à Internet, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>OperationContext</name>
    <message>
        <source>Cancelled. %1 is left as it is on disk.</source>
        <translation>Annulé. %1 est laissé tel quel sur le disque.</translation>
    </message>
</context>
<context>
    <name>OperationHistory</name>
    <message>
        <source>The history of operations can&apos;t be opened (%1).</source>
        <extracomment>%1 is SQLite&apos;s own description of the problem, in English.</extracomment>
        <translation>Impossible d’ouvrir l’historique des opérations (%1).</translation>
    </message>
    <message>
        <source>The history of operations could not be read; it was moved to %1 and a new one started.</source>
        <extracomment>%1 is the path of the file moved aside.</extracomment>
        <translation>Impossible de lire l’historique des opérations&#xa0;; il a été déplacé vers %1 et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>Orvando stopped before this operation finished.</source>
        <translation>Orvando s’est arrêté avant la fin de cette opération.</translation>
    </message>
</context>
<context>
    <name>OperationRecord</name>
    <message numerus="yes">
        <source>%n earlier lines are left out.</source>
        <translation>
            <numerusform>%n ligne précédente est omise.</numerusform>
            <numerusform>%n lignes précédentes sont omises.</numerusform>
        </translation>
    </message>
    <message>
        <source>The window closed before this operation finished.</source>
        <translation>La fenêtre a été fermée avant la fin de cette opération.</translation>
    </message>
    <message>
        <source>%1 installs through Homebrew, which isn&apos;t set up on this Mac yet.</source>
        <translation>%1 s’installe via Homebrew, qui n’est pas encore configuré sur ce Mac.</translation>
    </message>
    <message>
        <source>%1 is not in the state asked for.</source>
        <translation>%1 n’est pas dans l’état demandé.</translation>
    </message>
</context>
<context>
    <name>OrvandoApp</name>
    <message>
        <source>Welcome to Orvando…</source>
        <translation>Bienvenue dans Orvando…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Envoyer un avis…</translation>
    </message>
    <message>
        <source>An install is still running. Quit anyway?</source>
        <translation>Une installation est en cours. Quitter quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <extracomment>The File menu item that looks for newer versions of the installed apps.</extracomment>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Show Install Logs</source>
        <translation>Afficher les journaux d’installation</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The File menu item.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>The title of the alert about updating Orvando itself.</extracomment>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>This copy of Orvando does not update itself.</source>
        <translation>Cette copie d’Orvando ne se met pas à jour elle-même.</translation>
    </message>
    <message>
        <source>Open Download Page</source>
        <translation>Ouvrir la page de téléchargement</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>OutdatedCasks</name>
    <message>
        <source>Homebrew’s list of updates could not be read: %1</source>
        <extracomment>%1 says what is wrong with it</extracomment>
        <translation>La liste des mises à jour de Homebrew n’a pas pu être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>it is not valid JSON.</source>
        <translation>elle n’est pas au format JSON valide.</translation>
    </message>
    <message>
        <source>it is not a list of casks.</source>
        <translation>elle n’est pas une liste de casks.</translation>
    </message>
    <message>
        <source>“casks” is missing.</source>
        <translation>«&#xa0;casks&#xa0;» est absent.</translation>
    </message>
</context>
<context>
    <name>PermissionGuidance</name>
    <message>
        <source>Accessibility</source>
        <extracomment>The pane&apos;s name in System Settings › Privacy &amp; Security, exactly as macOS shows it</extracomment>
        <translation>Accessibilité</translation>
    </message>
    <message>
        <source>Screen Recording</source>
        <extracomment>The pane&apos;s name in System Settings › Privacy &amp; Security, exactly as macOS shows it</extracomment>
        <translation>Enregistrement de l’écran</translation>
    </message>
    <message>
        <source>Permission required: %1 needs Accessibility permission to work. It will ask on first launch — turn it on in System Settings › Privacy &amp; Security › Accessibility, then switch on %1.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>Autorisation requise&#xa0;: %1 a besoin de l’autorisation «&#xa0;Accessibilité&#xa0;» pour fonctionner. Elle sera demandée au premier lancement — activez-la dans Réglages Système › Confidentialité et sécurité › Accessibilité, puis activez %1.</translation>
    </message>
    <message>
        <source>Permission required: %1 needs Screen Recording permission to capture your screen. It will ask on first launch — turn it on in System Settings › Privacy &amp; Security › Screen Recording, then switch on %1.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>Autorisation requise&#xa0;: %1 a besoin de l’autorisation «&#xa0;Enregistrement de l’écran&#xa0;» pour capturer votre écran. Elle sera demandée au premier lancement — activez-la dans Réglages Système › Confidentialité et sécurité › Enregistrement de l’écran, puis activez %1.</translation>
    </message>
    <message>
        <source>%1 needs Accessibility permission to work. On first launch it will ask — turn it on:</source>
        <extracomment>%1 is the app&apos;s name; the steps to turn it on follow on the next line</extracomment>
        <translation>%1 a besoin de l’autorisation «&#xa0;Accessibilité&#xa0;» pour fonctionner. Elle sera demandée au premier lancement — activez-la&#xa0;:</translation>
    </message>
    <message>
        <source>%1 needs Screen Recording permission to capture your screen. Turn it on:</source>
        <extracomment>%1 is the app&apos;s name; the steps to turn it on follow on the next line</extracomment>
        <translation>%1 a besoin de l’autorisation «&#xa0;Enregistrement de l’écran&#xa0;» pour capturer votre écran. Activez-la&#xa0;:</translation>
    </message>
    <message>
        <source>System Settings › Privacy &amp; Security › Accessibility, then switch on %1.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>Réglages Système › Confidentialité et sécurité › Accessibilité, puis activez %1.</translation>
    </message>
    <message>
        <source>System Settings › Privacy &amp; Security › Screen Recording, then switch on %1.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>Réglages Système › Confidentialité et sécurité › Enregistrement de l’écran, puis activez %1.</translation>
    </message>
    <message>
        <source>Open System Settings › Accessibility</source>
        <extracomment>A button that opens the pane; the names exactly as System Settings shows them</extracomment>
        <translation>Ouvrir Réglages Système › Accessibilité</translation>
    </message>
    <message>
        <source>Open System Settings › Screen Recording</source>
        <extracomment>A button that opens the pane; the names exactly as System Settings shows them</extracomment>
        <translation>Ouvrir Réglages Système › Enregistrement de l’écran</translation>
    </message>
    <message>
        <source>Removed %1. We could not clear its Accessibility permission automatically. You can remove the leftover entry in System Settings &gt; Privacy &amp; Security &gt; Accessibility.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>%1 a été supprimée. Son autorisation «&#xa0;Accessibilité&#xa0;» n’a pas pu être effacée automatiquement. Vous pouvez supprimer l’entrée restante dans Réglages Système &gt; Confidentialité et sécurité &gt; Accessibilité.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>RefreshCaskList</name>
    <message>
        <source>Refreshing Homebrew&apos;s list of apps.</source>
        <translation>Actualisation de la liste des apps de Homebrew.</translation>
    </message>
    <message>
        <source>Refreshing Homebrew&apos;s list of apps, which did not know %1</source>
        <translation>Actualisation de la liste des apps de Homebrew, qui ne connaissait pas %1</translation>
    </message>
    <message>
        <source>Homebrew could not refresh its list of apps, so it still does not know %1: there is no connection to its server.</source>
        <translation>Homebrew n’a pas pu actualiser sa liste d’apps et ne connaît donc toujours pas %1&#xa0;: aucune connexion à son serveur.</translation>
    </message>
    <message>
        <source>Homebrew could not refresh its list of apps, so it still does not know %1: %2</source>
        <extracomment>%1 is the app, %2 the reason: brew&apos;s own message, in English, or a sentence of ours.</extracomment>
        <translation>Homebrew n’a pas pu actualiser sa liste d’apps et ne connaît donc toujours pas %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Homebrew could not refresh its list of apps, so it still does not know %1: brew update did not finish.</source>
        <translation>Homebrew n’a pas pu actualiser sa liste d’apps et ne connaît donc toujours pas %1&#xa0;: brew update n’a pas abouti.</translation>
    </message>
    <message>
        <source>Homebrew&apos;s list of apps is up to date</source>
        <translation>La liste des apps de Homebrew est à jour</translation>
    </message>
</context>
<context>
    <name>RemovalPlan</name>
    <message>
        <source>%1: not a bundle identifier, so nothing is looked up by it</source>
        <extracomment>%1 is what the app gave as its bundle identifier</extracomment>
        <translation>%1&#xa0;: ce n’est pas un identifiant de bundle, rien n’est donc recherché avec</translation>
    </message>
</context>
<context>
    <name>RemovalReview</name>
    <message>
        <source>measuring…</source>
        <translation>calcul…</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>Supprimer %1&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n apps?</source>
        <translation>
            <numerusform>Supprimer %n app&#xa0;?</numerusform>
            <numerusform>Supprimer %n apps&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Everything ticked goes to the Trash, where you can still get it back.</source>
        <translation>Tout ce qui est coché est placé dans la Corbeille, d’où vous pouvez encore le récupérer.</translation>
    </message>
    <message>
        <source>What will be removed</source>
        <translation>Ce qui sera supprimé</translation>
    </message>
    <message>
        <source>Remove app only</source>
        <translation>Supprimer l’app seule</translation>
    </message>
    <message>
        <source>Remove app and data</source>
        <translation>Supprimer l’app et les données</translation>
    </message>
    <message>
        <source>%1 (app)</source>
        <translation>%1 (app)</translation>
    </message>
    <message>
        <source>Nothing of these apps is on this Mac.</source>
        <translation>Rien de ces apps ne se trouve sur ce Mac.</translation>
    </message>
    <message>
        <source>needs your administrator password</source>
        <translation>nécessite votre mot de passe d’administrateur</translation>
    </message>
    <message numerus="yes">
        <source>App: %1. Data: %2 in %n item(s).</source>
        <translation>
            <numerusform>App&#xa0;: %1. Données&#xa0;: %2 dans %n élément.</numerusform>
            <numerusform>App&#xa0;: %1. Données&#xa0;: %2 dans %n éléments.</numerusform>
        </translation>
    </message>
    <message>
        <source>Measuring sizes…</source>
        <translation>Calcul des tailles…</translation>
    </message>
</context>
<context>
    <name>RemovalSteps</name>
    <message>
        <source>The background task %1 could not be stopped.</source>
        <extracomment>%1 is the label of a launch job (&quot;com.example.helper&quot;).</extracomment>
        <translation>La tâche d’arrière-plan %1 n’a pas pu être arrêtée.</translation>
    </message>
    <message>
        <source>The login item %1 could not be removed.</source>
        <translation>L’élément d’ouverture %1 n’a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>%1 It was left where it is.</source>
        <extracomment>%1 is the sentence saying why the Trash refused the item.</extracomment>
        <translation>%1 Il a été laissé à son emplacement.</translation>
    </message>
</context>
<context>
    <name>ReplacesLine</name>
    <message>
        <source>Replaces %1</source>
        <extracomment>%1 is a paid app this free one stands in for; its price follows</extracomment>
        <translation>Remplace %1</translation>
    </message>
</context>
<context>
    <name>Revert</name>
    <message>
        <source>Homebrew can&apos;t put an earlier version of %1 back.</source>
        <translation>Homebrew ne peut pas rétablir une version antérieure de %1.</translation>
    </message>
    <message>
        <source>The earlier version of %1 is no longer kept, so it can&apos;t be put back.</source>
        <translation>La version antérieure de %1 n’est plus conservée&#xa0;; elle ne peut donc pas être rétablie.</translation>
    </message>
    <message>
        <source>Putting %1 back</source>
        <extracomment>%1 is the app and the version put back (&quot;Maccy 2.0.1&quot;).</extracomment>
        <translation>Rétablissement de %1</translation>
    </message>
    <message>
        <source>Putting %1 back.</source>
        <extracomment>%1 is the app and the version put back (&quot;Maccy 2.0.1&quot;).</extracomment>
        <translation>Rétablissement de %1.</translation>
    </message>
    <message>
        <source>%1 was put back at %2</source>
        <extracomment>%1 is the app and the version put back (&quot;Maccy 2.0.1&quot;), %2 where its bundle now is.</extracomment>
        <translation>%1 a été rétabli dans %2</translation>
    </message>
</context>
<context>
    <name>RevertButton</name>
    <message>
        <source>Revert to %1</source>
        <translation>Revenir à %1</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>Revenir à la version %2 de %1</translation>
    </message>
    <message>
        <source>The earlier version takes %1.</source>
        <translation>La version précédente occupe %1.</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Search apps</source>
        <translation>Rechercher des apps</translation>
    </message>
    <message>
        <source>Search</source>
        <extracomment>The magnifying glass in the search field, read by a screen reader.</extracomment>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Effacer la recherche</translation>
    </message>
</context>
<context>
    <name>ScreenshotStrip</name>
    <message>
        <source>Screenshots</source>
        <translation>Captures d’écran</translation>
    </message>
    <message>
        <source>%1 screenshot %2 of %3</source>
        <extracomment>%1 is the app, %2 this screenshot&apos;s place, %3 how many there are</extracomment>
        <translation>%1, capture d’écran %2 sur %3</translation>
    </message>
</context>
<context>
    <name>SelectAllButton</name>
    <message>
        <source>Clear selection</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>Select all hand-picked</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>SelfRemoval</name>
    <message>
        <source>Orvando can&apos;t remove itself from here. Move it to Applications first, or drag it to the Trash.</source>
        <translation>Orvando ne peut pas se supprimer depuis cet emplacement. Placez-le d’abord dans Applications, ou faites-le glisser dans la Corbeille.</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Uninstall every app Orvando installed?</source>
        <translation>Désinstaller toutes les apps installées par Orvando&#xa0;?</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>No catalog apps were installed.</source>
        <translation>Aucune app du catalogue n’était installée.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n app(s).</source>
        <translation>
            <numerusform>%n app supprimée.</numerusform>
            <numerusform>%n apps supprimées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Opened your mail app with the suggestion.</source>
        <translation>Votre app de messagerie s’est ouverte avec la suggestion.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Remove Orvando but keep my apps?</source>
        <translation>Supprimer Orvando mais garder mes apps&#xa0;?</translation>
    </message>
    <message>
        <source>Apps already in Applications stay. Only the Orvando app is removed.</source>
        <translation>Les apps déjà dans Applications restent. Seule l’app Orvando est supprimée.</translation>
    </message>
    <message>
        <source>Remove Orvando</source>
        <translation>Supprimer Orvando</translation>
    </message>
    <message>
        <source>Uninstalling apps…</source>
        <translation>Désinstallation des apps…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Legal</source>
        <comment>settings section heading</comment>
        <translation>Mentions légales</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <source>Terms of use</source>
        <translation>Conditions d’utilisation</translation>
    </message>
    <message>
        <source>Questions: %1</source>
        <extracomment>%1 is the support e-mail address</extracomment>
        <translation>Questions&#xa0;: %1</translation>
    </message>
    <message>
        <source>Privacy</source>
        <comment>settings section heading</comment>
        <translation>Confidentialité</translation>
    </message>
    <message>
        <source>Share analytics with developer</source>
        <translation>Partager les analyses avec le développeur</translation>
    </message>
    <message>
        <source>Only anonymous product events, such as installs, are shared. No account, no browsing content. Off by default.</source>
        <translation>Seuls des événements anonymes, comme les installations, sont partagés. Aucun compte, aucun contenu de navigation. Désactivé par défaut.</translation>
    </message>
    <message>
        <source>Updates</source>
        <comment>settings section heading</comment>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Check for Orvando updates automatically</source>
        <translation>Rechercher automatiquement les mises à jour d’Orvando</translation>
    </message>
    <message>
        <source>Orvando looks for a new version once a day and asks before installing it.</source>
        <translation>Orvando recherche une nouvelle version une fois par jour et vous demande avant de l’installer.</translation>
    </message>
    <message>
        <source>Suggest apps</source>
        <comment>settings section heading</comment>
        <translation>Suggérer des apps</translation>
    </message>
    <message>
        <source>Tell us a tool you wish was in Orvando.</source>
        <translation>Indiquez-nous un outil que vous aimeriez trouver dans Orvando.</translation>
    </message>
    <message>
        <source>App suggestion</source>
        <translation>Suggestion d’app</translation>
    </message>
    <message>
        <source>Send suggestion</source>
        <translation>Envoyer la suggestion</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <comment>settings section heading</comment>
        <translation>Désinstaller</translation>
    </message>
    <message>
        <source>Uninstall all apps</source>
        <translation>Désinstaller toutes les apps</translation>
    </message>
    <message>
        <source>Removes catalog apps Orvando installed. Leaves Orvando itself.</source>
        <translation>Supprime les apps du catalogue installées par Orvando. Orvando reste en place.</translation>
    </message>
    <message>
        <source>Uninstall Orvando but keep my apps</source>
        <translation>Désinstaller Orvando et garder mes apps</translation>
    </message>
    <message>
        <source>Deletes only Orvando. Apps in Applications stay.</source>
        <translation>Supprime uniquement Orvando. Les apps dans Applications restent.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Activity</source>
        <translation>Activité</translation>
    </message>
    <message>
        <source>Show activity</source>
        <translation>Afficher l’activité</translation>
    </message>
    <message>
        <source>What was installed, updated and removed, and how it went</source>
        <translation>Ce qui a été installé, mis à jour et supprimé, et comment cela s’est passé</translation>
    </message>
    <message>
        <source>Get the good Mac apps.</source>
        <translation>Les bonnes apps pour votre Mac.</translation>
    </message>
    <message>
        <source>Apps and categories</source>
        <translation>Apps et catégories</translation>
    </message>
    <message>
        <source>Handselected apps</source>
        <translation>Notre sélection</translation>
    </message>
    <message>
        <source>All apps</source>
        <translation>Toutes les apps</translation>
    </message>
    <message>
        <source>Categories</source>
        <extracomment>The heading above the list of app categories in the sidebar.</extracomment>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Envoyer un avis</translation>
    </message>
    <message>
        <source>Email %1</source>
        <extracomment>%1 is the support email address.</extracomment>
        <translation>Écrire à %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Privacy, uninstall, analytics, suggestions</source>
        <translation>Confidentialité, désinstallation, analyse, suggestions</translation>
    </message>
    <message>
        <source>Updates (%L1)</source>
        <extracomment>The sidebar row of the apps with a newer version; %L1 is how many.</extracomment>
        <translation>Mises à jour (%L1)</translation>
    </message>
</context>
<context>
    <name>SignedCatalog</name>
    <message>
        <source>The catalog or its signature is larger than a catalog can be.</source>
        <translation>Le catalogue ou sa signature est plus volumineux qu’un catalogue ne peut l’être.</translation>
    </message>
    <message>
        <source>This copy of Orvando has no key to check a catalog with.</source>
        <translation>Cette copie d’Orvando n’a aucune clé pour vérifier un catalogue.</translation>
    </message>
    <message>
        <source>The catalog is not signed.</source>
        <translation>Le catalogue n’est pas signé.</translation>
    </message>
    <message>
        <source>The catalog&apos;s signature does not match it.</source>
        <translation>La signature ne correspond pas au catalogue.</translation>
    </message>
    <message>
        <source>The catalog was issued %1, not after %2.</source>
        <extracomment>%1 and %2 are moments written as in the catalog, e.g. &quot;2026-12-07T09:30:00Z&quot;.</extracomment>
        <translation>Le catalogue a été émis le %1, et non après le %2.</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdater</name>
    <message>
        <source>Check for Updates…</source>
        <extracomment>The menu item that looks for a newer version of Orvando</extracomment>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>To update Orvando, download the newest version from orvando.app and drag it into Applications, replacing this copy. Your apps and settings stay as they are.</source>
        <extracomment>&quot;Applications&quot; is the Applications folder, as the Finder names it</extracomment>
        <translation>Pour mettre à jour Orvando, téléchargez la dernière version sur orvando.app et faites-la glisser dans Applications pour remplacer cette copie. Vos apps et vos réglages restent inchangés.</translation>
    </message>
    <message>
        <source>This copy of Orvando was built from its source. To update it, get the newest source and run “make run” again. Your apps and settings stay as they are.</source>
        <translation>Cette copie d’Orvando a été compilée à partir de son code source. Pour la mettre à jour, récupérez le code source le plus récent et exécutez à nouveau «&#xa0;make run&#xa0;». Vos apps et vos réglages restent inchangés.</translation>
    </message>
</context>
<context>
    <name>SpinnerRow</name>
    <message>
        <source>Download progress</source>
        <translation>Progression du téléchargement</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>“%1” is no longer in the Trash.</source>
        <translation>«&#xa0;%1&#xa0;» n’est plus dans la Corbeille.</translation>
    </message>
    <message>
        <source>Something new is at “%1” now.</source>
        <translation>Un nouvel élément se trouve désormais à l’emplacement «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>“%1” couldn’t be put back.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être remis à sa place.</translation>
    </message>
    <message>
        <source>“%1” couldn’t be moved to the Trash (%2).</source>
        <extracomment>%1 is a file&apos;s name, %2 why, in lower case</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être placé dans la Corbeille (%2).</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>l’élément n’existe plus</translation>
    </message>
    <message>
        <source>there is no Trash folder</source>
        <translation>il n’y a pas de dossier Corbeille</translation>
    </message>
    <message>
        <source>“” couldn’t be moved to the Trash because it doesn’t exist.</source>
        <translation>«&#xa0;» n’a pas pu être placé dans la Corbeille, car il n’existe pas.</translation>
    </message>
    <message>
        <source>The item is no longer in the Trash.</source>
        <translation>L’élément n’est plus dans la Corbeille.</translation>
    </message>
</context>
<context>
    <name>UndoRemoval</name>
    <message>
        <source>Putting %1 back.</source>
        <translation>Remise en place de %1.</translation>
    </message>
    <message>
        <source>%1 is back, but not all of it: %2 The rest was put back; nothing was overwritten.</source>
        <extracomment>%1 is the app, %2 one sentence for each item that could not be put back.</extracomment>
        <translation>%1 est de retour, mais pas entièrement&#xa0;: %2 Le reste a été remis en place&#xa0;; rien n’a été écrasé.</translation>
    </message>
</context>
<context>
    <name>UndoRemovalButton</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo removing %1</source>
        <translation>Annuler la suppression de %1</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>Removing %1.</source>
        <translation>Suppression de %1.</translation>
    </message>
    <message>
        <source>Closing %1.</source>
        <translation>Fermeture de %1.</translation>
    </message>
    <message>
        <source>Left alone: %1.</source>
        <extracomment>%1 is a path the removal does not touch, then a colon and why.</extracomment>
        <translation>Laissé tel quel&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Cleaning up.</source>
        <translation>Nettoyage.</translation>
    </message>
    <message>
        <source>%1 needs your administrator password; it was left where it is.</source>
        <translation>%1 nécessite votre mot de passe d’administrateur&#xa0;; il a été laissé à son emplacement.</translation>
    </message>
    <message>
        <source>Clearing Accessibility permission.</source>
        <translation>Suppression de l’autorisation Accessibilité.</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Update did not finish. The version you had is still installed.</source>
        <translation>La mise à jour n’a pas abouti. La version que vous aviez est toujours installée.</translation>
    </message>
    <message>
        <source>brew finished but %1 was not found on disk</source>
        <translation>brew s’est terminé mais %1 est introuvable sur le disque</translation>
    </message>
    <message>
        <source>Update finished but %1 was not found. You can install it again.</source>
        <translation>La mise à jour s’est terminée mais %1 est introuvable. Vous pouvez le réinstaller.</translation>
    </message>
    <message>
        <source>Getting %1 ready.</source>
        <extracomment>%1 is the app, with the version coming when it is known (&quot;Maccy 2.1.0&quot;).</extracomment>
        <translation>Préparation de %1.</translation>
    </message>
    <message>
        <source>%1 is not installed, so there is nothing to update.</source>
        <translation>%1 n’est pas installé&#xa0;; il n’y a donc rien à mettre à jour.</translation>
    </message>
    <message>
        <source>%1 updates through Homebrew, which isn&apos;t set up on this Mac.</source>
        <translation>%1 se met à jour via Homebrew, qui n’est pas configuré sur ce Mac.</translation>
    </message>
</context>
<context>
    <name>UpdateChoices</name>
    <message>
        <source>Skip this version</source>
        <translation>Ignorer cette version</translation>
    </message>
    <message>
        <source>Skip %1 %2</source>
        <translation>Ignorer %1 %2</translation>
    </message>
    <message>
        <source>Don’t check for updates</source>
        <translation>Ignorer les mises à jour</translation>
    </message>
    <message>
        <source>Don’t check %1 for updates</source>
        <translation>Ignorer les mises à jour de %1</translation>
    </message>
    <message>
        <source>%1 %2 is kept (%3)</source>
        <translation>Copie de %1 %2 conservée (%3)</translation>
    </message>
    <message>
        <source>Revert to %1</source>
        <translation>Revenir à %1</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>Revenir à %2 pour %1</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Vérifier à nouveau</translation>
    </message>
    <message>
        <source>Check %1 for updates again</source>
        <translation>Rechercher à nouveau les mises à jour de %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an app&apos;s name and the version on offer</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>UpdateHolds</name>
    <message>
        <source>You asked not to check %1 for updates.</source>
        <translation>Vous avez demandé à ne pas rechercher de mises à jour pour %1.</translation>
    </message>
    <message>
        <source>You skipped %1 %2.</source>
        <extracomment>%1 is the app&apos;s name, %2 the version skipped</extracomment>
        <translation>Vous avez ignoré %1 %2.</translation>
    </message>
</context>
<context>
    <name>UpdatesView</name>
    <message>
        <source>Updates</source>
        <extracomment>The heading of the view of the apps with a newer version.</extracomment>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Update all</source>
        <translation>Tout mettre à jour</translation>
    </message>
    <message>
        <source>Not every app could be checked for updates: %1</source>
        <extracomment>%1 is one or more sentences saying what went wrong.</extracomment>
        <translation>Certaines apps n’ont pas pu être vérifiées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>All your apps are up to date.</source>
        <translation>Toutes vos apps sont à jour.</translation>
    </message>
    <message numerus="yes">
        <source>%n apps have a newer version.</source>
        <translation>
            <numerusform>%n app a une version plus récente.</numerusform>
            <numerusform>%n apps ont une version plus récente.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences one after the other: how many apps have a newer version, then which could not be checked.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>WelcomeView</name>
    <message>
        <source>Try great Mac apps</source>
        <translation>Essayez d’excellentes apps Mac</translation>
    </message>
    <message>
        <source>Browse a handpicked catalog and try great Mac apps before you buy. Install and uninstall cleanly, with no leftovers.</source>
        <translation>Parcourez un catalogue choisi avec soin et essayez d’excellentes apps Mac avant de les acheter. Installez et désinstallez proprement, sans données restantes.</translation>
    </message>
    <message>
        <source>The first open</source>
        <extracomment>The heading of what happens the first time an app is opened.</extracomment>
        <translation>La première ouverture</translation>
    </message>
    <message>
        <source>macOS may ask you to confirm opening an app, and some apps need a permission in System Settings. We guide you when it happens.</source>
        <translation>macOS peut vous demander de confirmer l’ouverture d’une app, et certaines apps ont besoin d’une autorisation dans Réglages Système. Nous vous guidons le moment venu.</translation>
    </message>
    <message>
        <source>Welcome to Orvando</source>
        <translation>Bienvenue dans Orvando</translation>
    </message>
    <message>
        <source>Welcome to Orvando.</source>
        <translation>Bienvenue dans Orvando.</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>Commencer</translation>
    </message>
</context>
<context>
    <name>ZapPaths</name>
    <message>
        <source>it leads outside its folder</source>
        <translation>il mène hors de son dossier</translation>
    </message>
    <message>
        <source>not a full path</source>
        <translation>ce n’est pas un chemin complet</translation>
    </message>
    <message>
        <source>it steps out of its folder</source>
        <translation>il sort de son dossier</translation>
    </message>
    <message>
        <source>it would match other apps’ files</source>
        <translation>il correspondrait aux fichiers d’autres apps</translation>
    </message>
    <message>
        <source>it belongs to %1</source>
        <translation>il appartient à %1</translation>
    </message>
    <message>
        <source>it is a link to another place</source>
        <translation>c’est un lien vers un autre emplacement</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a path, %2 why it is left alone</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
</TS>
