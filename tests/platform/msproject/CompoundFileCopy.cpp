#include "CompoundFileCopy.h"

#include <gsf/gsf.h>
#include <gtest/gtest.h>

#include <string>

#include "support/TestSupport.h"

namespace testsupport {

namespace {

using Change = std::function<bool(const std::string&, std::string&)>;

void CopyFolder(GsfInfile* in, GsfOutfile* out, const std::string& strFolder,
                const Change& change) {
  for (int i = 0; i < gsf_infile_num_children(in); ++i) {
    const std::string strName = gsf_infile_name_by_index(in, i);
    const std::string strPath = strFolder.empty() ? strName : strFolder + "/" + strName;
    GsfInput* child = gsf_infile_child_by_index(in, i);
    const bool blnFolder = GSF_IS_INFILE(child) && gsf_infile_num_children(GSF_INFILE(child)) >= 0;
    if (blnFolder) {
      GsfOutput* folder = gsf_outfile_new_child(out, strName.c_str(), TRUE);
      CopyFolder(GSF_INFILE(child), GSF_OUTFILE(folder), strPath, change);
      gsf_output_close(folder);
      g_object_unref(folder);
    } else {
      std::string bytes(static_cast<std::size_t>(gsf_input_size(child)), '\0');
      if (!bytes.empty()) {
        gsf_input_read(child, bytes.size(), reinterpret_cast<guint8*>(bytes.data()));
      }
      if (change(strPath, bytes)) {
        GsfOutput* stream = gsf_outfile_new_child(out, strName.c_str(), FALSE);
        gsf_output_write(stream, bytes.size(), reinterpret_cast<const guint8*>(bytes.data()));
        gsf_output_close(stream);
        g_object_unref(stream);
      }
    }
    g_object_unref(child);
  }
}

}  // namespace

void CopyCompoundFile(const std::filesystem::path& source, const std::filesystem::path& target,
                      const std::string& strStream,
                      const std::function<bool(std::string&)>& change) {
  CopyCompoundFile(source, target, [&](const std::string& strPath, std::string& bytes) {
    return strPath != strStream || change(bytes);
  });
}

std::string StreamOf(const std::filesystem::path& file, const std::string& strStream) {
  std::string strFound;
  testsupport::TempDir dir;
  CopyCompoundFile(file, dir / "Kopie", [&](const std::string& strPath, std::string& bytes) {
    if (strPath == strStream) strFound = bytes;
    return true;
  });
  return strFound;
}

void PlanOfTwo(const std::filesystem::path& tasks, const std::filesystem::path& resources,
               const std::filesystem::path& target) {
  CopyCompoundFile(tasks, target, [&](const std::string& strPath, std::string& bytes) {
    if (strPath.find("/TBkndRsc/") != std::string::npos) bytes = StreamOf(resources, strPath);
    return true;
  });
}

void CopyCompoundFile(const std::filesystem::path& source, const std::filesystem::path& target,
                      const Change& change) {
  gsf_init();
  GError* error = nullptr;
  GsfInput* input = gsf_input_stdio_new(source.c_str(), &error);
  ASSERT_NE(input, nullptr);
  GsfInfile* in = gsf_infile_msole_new(input, &error);
  ASSERT_NE(in, nullptr);
  GsfOutput* sink = gsf_output_stdio_new(target.c_str(), &error);
  ASSERT_NE(sink, nullptr);
  GsfOutfile* out = gsf_outfile_msole_new(sink);
  CopyFolder(in, out, "", change);
  gsf_output_close(GSF_OUTPUT(out));  // closes the file too
  g_object_unref(out);
  g_object_unref(sink);
  g_object_unref(in);
  g_object_unref(input);
}

}  // namespace testsupport
