#pragma once
/// Files that replace their old versions together, or not at all.
///
/// Each file is written in full to a temporary file beside its target and synced to disk; only
/// when every file of the set is written are the temporaries renamed over their targets, one
/// right after the other. A set dropped before Commit removes its temporaries and leaves every
/// target as it was. A temporary is named "<file name>.tmp-XXXXXX" and stays locked while its
/// set lives; one that a killed process left behind is removed by the next write of its file.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/interaction/userinteraction.h"

class AtomicFileSet {
 public:
  AtomicFileSet() = default;
  AtomicFileSet(const AtomicFileSet&) = delete;
  AtomicFileSet& operator=(const AtomicFileSet&) = delete;
  ~AtomicFileSet();

  /// Writes `bytes` to a new temporary file for `path` and syncs it. A symbolic link at `path`
  /// is followed: its final target is the file that will be replaced. The new file gets the
  /// permissions (and, where the system allows, the owner) of the file it replaces, or those
  /// of a new file. Returns the empty text, or the reason why the file cannot be written (the
  /// set's other files stay as they are).
  std::string Add(const std::filesystem::path& path, std::string_view bytes);

  /// Renames every temporary over its target in the order they were added. Interrupt and
  /// termination signals wait until the renames are done. Returns the empty text, or the
  /// reason of the first rename that failed (files renamed before it are replaced). The set is
  /// empty afterwards.
  std::string Commit();

 private:
  struct Staged {
    std::filesystem::path shown;   // the path as the caller gave it, for messages
    std::filesystem::path target;  // the file that is replaced, links followed
    std::filesystem::path temporary;
    int lock = -1;  // the temporary's descriptor, holding its lock
  };
  void Discard(Staged& file);

  std::vector<Staged> m_files;
};

/// Commits `files`, showing the reason when a file could not be replaced. Returns whether every
/// file was replaced.
bool CommitFiles(AtomicFileSet& files, UserInteraction& ui);
