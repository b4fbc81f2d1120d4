#pragma once
// The hidden folders in which the engine writes before a file is put in place
// (".~quorvan-XXXXXX", a short name whatever the target's). A folder is its process's own for
// as long as the process holds an flock on it; it is removed with all it holds when its
// WorkFolder goes, when the process is ended by a signal whose handler calls
// RemoveWorkFoldersNow, and otherwise (the process killed outright, the machine off) by the
// next process that looks into the same folder (RemoveDeadWorkFolders), which tells it from
// the folder of a process still at work by the lock.

#include <filesystem>

namespace excel {

class WorkFolder {
 public:
  // Makes and locks a work folder in folder; throws excel::Error when none can be made.
  explicit WorkFolder(const std::filesystem::path& folder);
  ~WorkFolder();
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
  int fd_ = -1;
  int slot_ = -1;  // in the list of folders that RemoveWorkFoldersNow removes
};

// Removes the work folders in folder whose process is gone (their lock went with it).
void RemoveDeadWorkFolders(const std::filesystem::path& folder);

// Removes every work folder this process holds now, with what it holds. Only calls that are
// safe in a signal handler: for the handler of a signal that ends the process.
void RemoveWorkFoldersNow() noexcept;

}  // namespace excel
