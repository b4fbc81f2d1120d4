#pragma once
// Small MSPDI plans written out in the tests, laid out one element per line as Microsoft
// Project writes them, so that a test knows the line of each element.

#include <string>

namespace plantext {

inline std::string Plan(const std::string& strTasks, const std::string& strResources = "",
                        const std::string& strHeader = "") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
         "<Project xmlns=\"http://schemas.microsoft.com/project\">\n" +
         strHeader +
         "<Tasks>\n"
         "<Task><UID>0</UID><ID>0</ID><Name>Plan</Name><OutlineLevel>0</OutlineLevel></Task>\n" +
         strTasks + "</Tasks>\n<Resources>\n" + strResources + "</Resources>\n</Project>\n";
}

inline std::string Task(int id, const std::string& strName, const std::string& strMore = "") {
  return "<Task><UID>" + std::to_string(id) + "</UID><ID>" + std::to_string(id) + "</ID><Name>" +
         strName + "</Name><OutlineLevel>1</OutlineLevel>" + strMore + "</Task>\n";
}

inline std::string Inserted(int id, const std::string& strStoredPath) {
  return Task(
      id, "Eingefügt " + std::to_string(id),
      "<IsSubproject>1</IsSubproject><SubprojectName>" + strStoredPath + "</SubprojectName>");
}

inline std::string Resource(int id, const std::string& strName, const std::string& strGroup) {
  return "<Resource><UID>" + std::to_string(id) + "</UID><ID>" + std::to_string(id) +
         "</ID><Name>" + strName + "</Name><Group>" + strGroup + "</Group></Resource>\n";
}

}  // namespace plantext
