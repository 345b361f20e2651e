#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QUrl>
#include <variant>

namespace zingbox {

// What a movie may do in the player, said once. The page is handed the engine's options
// and its content policy from here at start (PageScript, ContentSecurityScript), and every
// file, link and command a movie asks for is answered by Decide: the page's own files, the
// movies' files through the program's scheme, in-memory data and the device-font files
// chosen for the page load; nothing from the network. Only web pages and mail leave for
// the desktop, on the user's own input (see LinkGate). Use on the UI thread.
class PlayerPolicy {
 public:
  // Flash's own limit: a script that runs longer is ended, and the movie runs no more
  // script, so that a movie stuck in a loop never holds the program up for longer.
  static constexpr int ScriptSeconds = 15;
  // The longest text, in UTF-16 units, that a movie may send as a command or a link: no
  // game's command comes near it.
  static constexpr qsizetype LongestText = 64 * 1024;
  // What a movie sends in one turn of the engine crosses to the program as one message of
  // at most so many commands, however many thousands it sends. No game comes near it.
  static constexpr int MostCommandsPerTurn = 1000;
  // How long after a click or key press on the movie (or its release, for one held down)
  // the movie may spend it on a link.
  static constexpr qint64 InputLifetimeMs = 1000;
  // More addresses than anyone writes into a mail by hand: beyond these a movie is
  // spamming through the user's mail program.
  static constexpr int MostRecipients = 10;
  // The program's scheme for the movies' files (see MovieFileServer).
  static constexpr char MovieScheme[] = "zingbox-movies";
  // The engine's ways onto the network that pass no request by Decide. WebRTC reaches it on
  // its own (STUN over UDP): with no proxy this leaves it no way out. A <link rel=preconnect>
  // opens a socket unasked (Qt 6.8's engine does, 6.4's does not): with no host name or
  // address resolved, every connection the engine would open fails first.
  static constexpr const char* EngineSwitches[] = {"--force-webrtc-ip-handling-policy=disable_non_proxied_udp",
                                                   "--host-resolver-rules=\"MAP * ~NOTFOUND\""};

  // A file the page loads, for itself or for a movie; a page a movie asks the desktop to
  // open, as the movie wrote it; a command of the movie's.
  struct File { QUrl url; };
  struct Link { QString address; };
  struct Command { QString name, args; };
  using Request = std::variant<File, Link, Command>;

  struct Verdict {
    bool allowed = false;
    QUrl redirect{};              // a file to be loaded from here instead
    QByteArray desktopAddress{};  // a link: the exact bytes to hand to the desktop
    bool operator==(const Verdict&) const = default;
  };

  // The page and the engine's files lie in `pageFolder`.
  explicit PlayerPolicy(const QString& pageFolder);

  // A device-font file it sends a request on to loads from then on, no other of its folder.
  Verdict Decide(const Request& request);

  // Gives the page `moviePolicy`: the engine's options that are the policy's, and the
  // limits the page keeps to. The benchmark's peer page loads the same (see bench/).
  static QString PageScript();
  // Puts the content policy into the page as it is created: the engine's files and its
  // WebAssembly run, and no script that a movie brings.
  static QString ContentSecurityScript();

 private:
  Verdict Answer(const File& file);
  Verdict Answer(const Link& link) const;
  Verdict Answer(const Command& command) const;
  QString DeviceFontFile(const QString& localPath) const;

  QString pageFolder_;         // real path ending with '/', empty when the folder is missing
  QSet<QString> deviceFonts_;  // the files chosen so far
};

// The real path of `folder` with a closing slash; empty when it has none, so that a folder
// gone missing holds nothing rather than everything.
QString FolderPrefix(const QString& folder);

}  // namespace zingbox
