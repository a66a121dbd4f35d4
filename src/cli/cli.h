// htprog-cli: the commands and the helpers they share. The exit status says
// whether the work asked for was done: 0 done, 1 a failure (message on stderr),
// 2 a usage error. What a command exists to print is part of its work; the
// closing report of a command that changes a file or the radio is not.
#pragma once

#include "image/memoryimage.h"
#include "status/status.h"

#include <QString>
#include <QStringList>

struct VerifiedWriteOutcome;
enum class BackupKind;
class FileLock;
class LinkTrace;

namespace Cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr int kExitDiffTrouble = 2; // diff and check: 0 the same / sound, 1 not, 2 any trouble

// Each command gets the arguments after its name.
int New(const QStringList &args);
int Channels(const QStringList &args);
int Features(const QStringList &args);
int Export(const QStringList &args);
int Import(const QStringList &args);
int Lists(const QStringList &args);
int Read(const QStringList &args);
int Write(const QStringList &args);
int SquelchRead(const QStringList &args);
int SquelchWrite(const QStringList &args);
int Ports(const QStringList &args);
int Simulate(const QStringList &args);
int Print(const QStringList &args);
int Diff(const QStringList &args);
int Backups(const QStringList &args);
int Check(const QStringList &args);
// write --dry-run and write --repeat (their flag taken out of args).
int WriteDryRun(const QStringList &args);
int WriteRepeat(const QStringList &args);

// Prints "htprog-cli: <message>" on stderr, control characters written out, and
// returns kExitFailure.
int Fail(const QString &message);
// The same with the words of a failure of the core.
int Fail(const Status &status);
// Prints the usage error and a hint to stderr and returns kExitUsage.
int Usage(const QString &message);
void Out(const QString &text); // stdout, UTF-8, no newline added
bool OutBytes(const QByteArray &bytes); // stdout; false (reason kept) when it fails
// Records that the command's work is done (what: "radio.dat was changed"):
// from then on, only its closing report on stdout is left to print.
void Done(const QString &what);
// Flushes stdout at the end of a command and returns its exit status. When stdout
// could not be written (a full disk, a closed stream): after Done(), a warning
// names what was done and status stands; otherwise the output was the work, and
// the reason is printed and failureStatus returned (diff: 2, others 1). Reports
// a failure once however often it is called.
int FinishOutput(int status, int failureStatus = kExitFailure);

// Loads FILE as an image; on failure prints why and returns false. fileSize,
// when given, receives the file's whole size.
bool LoadImage(const QString &path, MemoryImage &image, qint64 *fileSize = nullptr);
// Writes FILE atomically; on failure prints why and returns false. A file that
// holds bytes but is not an 8192-byte image is never replaced.
bool SaveImage(const QString &path, const MemoryImage &image);
// Fails (printing why) when FILE holds bytes but is not an 8192-byte image, which
// a command that rewrites FILE would cut: checked before the work starts.
bool CheckRewritable(const QString &path);
// Fails (printing why) when an argument's bytes are not text in the system's
// encoding: such a file name would come back as another name.
bool CheckArgumentEncoding(int argc, char *argv[]);
// Takes the advisory lock of a file the command changes (FileLock); on failure
// prints why ("in use by another process") and returns false.
bool LockFile(FileLock &lock);
// Fails unless output ("-": standard output) is another file than input (links
// and other spellings of the name included) and may be replaced by a file.
bool CheckOutput(const QString &command, const QString &input, const QString &output);

// "[--port P] FILE": the port (the stored choice by default) and the one file;
// false with *exitCode set after a usage error.
bool ParseTransferArgs(QStringList args, QString *port, QString *file, int *exitCode);
// A whole-image write of image with the progress bar on a terminal, then (when
// verify) the verifying read; what is about to be sent is kept first as a backup.
// Ctrl+C, SIGTERM and SIGHUP stop it between two blocks. Every byte goes to
// trace too when there is one.
VerifiedWriteOutcome WriteImage(
    const QString &port, const MemoryImage &image, bool verify, LinkTrace *trace = nullptr);
// True once a request to stop (Ctrl+C ...) arrived during a transfer.
bool Interrupted();
// The message of a transfer that did not succeed.
QString TransferMessage(const QString &port, const Status &transfer);
// Keeps a backup copy of image; a failure is only a warning on stderr. Returns
// the copy's path, or "" when none was kept.
QString KeepBackup(const MemoryImage &image, BackupKind kind);
// The end of `write` once the write itself succeeded: the verification's result.
int ReportWrite(const QString &port, const VerifiedWriteOutcome &outcome);

// Applies "--lang en|zh" (removing it from args); false on a bad value.
bool TakeLanguageOption(QStringList &args, QString *error);
// Removes "--name" from args and returns whether it was there.
bool TakeFlag(QStringList &args, const QString &name);
// Removes "--name VALUE" (or "--name=VALUE") from args; false if the value is missing.
bool TakeOption(QStringList &args, const QString &name, QString *value, bool *present);

} // namespace Cli
