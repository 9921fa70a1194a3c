// The wide private-profile INI functions the module uses for its options,
// keyboard combinations, volumes, leak report and the simulator's Aircraft.cfg.
// Reads go through a small cache of parsed files, checked against the file's
// size and modification time on each call (and its bytes while that time is
// within a step of its file system's clock, up to two seconds on FAT, of
// when the copy was taken). A write edits the cached copy,
// which later reads see at once; SaveIniFiles, which the simulator host calls
// each time a call into the module returns (and which runs at exit), then
// saves each changed file once and whole. A save makes this process's writes
// again, in order, on the file as it stands then (a write of the value the
// file already holds too: another program may have written the key since),
// holding the file's lock (flock) that the saves of other processes wait for,
// so that two programs (or two runs of one) writing different keys of one
// file both keep theirs, and the later write of a key wins, as on Windows,
// where each write goes to the file at once. A save whose writes leave the
// file as it stands writes nothing. One call waits for other programs' locks
// two seconds at most in all (kIniLockWaitMs), however many files it saves;
// a file still kept from it then fails to save. A file whose save fails
// keeps this process's writes, which reads still see and the next save makes
// again; only those the last save, at exit, cannot make are lost.
// The new text goes into a spare file of this process's own,
// "<name>.<process number>.saving" beside it, which takes the file's place
// in one step with the file's owner, access-control list, user attributes
// (user.*) and permissions. A crash at any moment leaves every file wholly
// old or wholly new. A file whose place no other may take (another user's
// file, which a new file would give another owner; a file mounted over
// itself; a file with other names, hard links, which stays one file) or
// beside which no spare can be made or removed (in a folder this user may
// not write, or an append-only one) is written in place instead, as Windows
// writes every INI file: a crash in the middle of its save can leave it part
// old, part new, and one as it is cut to its new length the new text
// followed by blanks. (Nothing is flushed to the disk, as Windows does not
// for these files either: a power cut may still lose a save.) A spare is
// kept, locked, while its file is cached: the cache keeps 16 files, and
// besides them only files whose changes wait for their save, of which at
// most 16 hold a readied save open (a write beyond them saves them first),
// so that what the layer holds open stays bounded. Each process removes its
// own spare files, and no other's, as their files leave the cache, in
// ClearIniCache and at exit, and a spare no living process holds, a killed
// run's, is removed by the next save of its file. A file is one file
// whatever name reaches it: symbolic links, of the file and of its folders,
// are followed, and a linked file is saved where it lives while the link
// stays.
//
// Layout rules, as Windows keeps them:
// - Section and key names match without regard to case (ASCII and Latin-1
//   letters); the first match in file order wins. When a section name appears
//   more than once, its keys are looked up in each such section in turn.
// - A missing file, section or key gives the default (null default: ""); a key
//   that is present but empty gives "". Whitespace around names and values is
//   trimmed (a DOS end-of-file mark, Ctrl+Z, is whitespace too), and one pair
//   of matching quotes (single or double) around a value; inline comments are
//   not stripped.
// - A write replaces the first matching key in place, keeping the line's text
//   up to the value. A new key goes right after the last key line of the first
//   section of that name, so blank lines and comments that end the section
//   (they usually introduce the next one) stay below it. A new section goes at
//   the end of the file. A missing file is created; folders are not.
// - Every other byte stays as it was: comments, unknown lines, duplicates,
//   line endings, non-ASCII bytes. A line ends at LF, CRLF or a bare CR. New
//   lines take the file's own line ending (that of its first line), CRLF for
//   a new file.
// - Values read are decoded with Widen, values written encoded with Narrow.
//   A file that starts with a UTF-16 byte-order mark (little- or big-endian)
//   is read as UTF-16 and written back in the same encoding with its mark.
// - A file without write permission is read-only: every write to it fails and
//   it stays as it is. So is a file the user running the program may not
//   write (another user's), even in a folder the user may write, and an
//   append-only or immutable file (chattr +a, +i).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// GetPrivateProfileStringW: copies the value (or the default) into `out`, cut
// to outSize - 1 characters and always terminated; returns the number of
// characters copied without the terminator. outSize 0 copies nothing. A null
// section or key (the name-listing forms) is not supported and gives the default.
uint32_t GetPrivateProfileString(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue,
                                 wchar_t* out, uint32_t outSize, const wchar_t* path);

// WritePrivateProfileStringW: sets section/key to value. A null value removes
// the first matching key; a null key removes every section of that name; a
// null section with null key and value does nothing and succeeds. Returns
// false, leaving the old file whole, when a name or value holds a line break
// (or a key an '=', a section a ']'), or when the file cannot be written: it
// cannot be read, this user may not write it (or it is append-only), its
// folder is missing (or, for a new file, not writable), or the disk has no
// room for the new text (the room is taken at once, so the save does not run
// out of it). Such a failure is noted for IniSaveFailures. While saves are
// held (HoldIniSaves) the write is kept in the cache only: the file is read,
// never opened for writing, and the checks of writing wait for the save.
bool WritePrivateProfileString(const wchar_t* section, const wchar_t* key, const wchar_t* value,
                               const wchar_t* path);

// The value as GetPrivateProfileString would copy it into a buffer of
// bufferSize characters (so at most bufferSize - 1 characters).
std::wstring ReadIniString(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue,
                           uint32_t bufferSize, const wchar_t* path);

// Saves each file changed since the last call, once, in one step: this
// process's writes made on the file as it stands. False when one could not be
// saved (another program kept it locked past kIniLockWaitMs, among others):
// that file keeps its text and the failure is noted, and this process's
// changes to it wait for the next call, which makes them again (without
// waiting for a lock, unless the file was written since). Nothing is saved
// while saves are held.
bool SaveIniFiles();

// The process's last save, which the host makes as the cockpit shuts down
// (and the layer itself at exit): as SaveIniFiles, but each file whose
// changes still wait waits for its lock again. What it cannot save is lost:
// its changes are forgotten (reads give the file as it is) and its failure
// stays noted. False when something was lost.
bool FinishIniSaves();

// From the host's start until its run is sure to fly, saves may be held:
// writes wait in the cache, which reads see, and no file is opened for
// writing, given room, made or given a spare. KeepHeldIniSaves ends the hold
// and saves what waits (as SaveIniFiles); DropHeldIniSaves, for a run that
// will not fly, ends it forgetting all of it, as ClearIniCache does (and does
// nothing when no hold is on).
void HoldIniSaves();
bool KeepHeldIniSaves();
void DropHeldIniSaves();

// A file that could not be saved, why, and how many times: a write refused,
// or a save whose changes still wait for a later save (one that makes them
// takes the file's save failures off the list).
struct IniSaveFailure {
  std::string file;
  std::string reason;
  uint32_t times = 1;
};
std::vector<IniSaveFailure> IniSaveFailures();

// Forgets every parsed file, unsaved changes, noted failures and a hold of
// the saves; the next access reads from disk. (Paths already mapped onto
// this machine stay mapped; a path whose file has gone is mapped again.)
void ClearIniCache();

// Tests: the next `count` saves of a file stop after half of the spare file
// is written, as if the disk filled up (or the process died) in the middle;
// a file written in place stops where it would be cut to its new length.
void FailNextIniSaves(int count);

// How long a save waits for the lock of a file that another program holds
// (while it saves the file) before the save fails; tests shorten it.
constexpr int kIniLockWaitMs = 2000;
void SetIniLockWait(int milliseconds);

struct IniStats {
  uint64_t parses = 0;  // files read from disk and parsed (by a save too, when another program saved the file)
  uint64_t writes = 0;  // files saved on disk (a save that leaves a file as it stands saves none)
};
IniStats GetIniStats();

}  // namespace platform
