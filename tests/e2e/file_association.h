#pragma once
#include <string>

// A made-up document type: files with the extension open, with the shell's
// default verb, in the given program, which gets the document's path as its
// one argument. Registered in the classes root itself, since Wine's shell
// does not look at the user's own classes. The registration goes when the
// object goes.
class FileAssociation {
public:
    // extension with its dot (".kivdoc"); program: a full Windows path.
    FileAssociation(const std::string& extension, const std::string& program);
    ~FileAssociation();
    FileAssociation(const FileAssociation&) = delete;
    FileAssociation& operator=(const FileAssociation&) = delete;

    bool Registered() const { return registered; }

private:
    std::string extensionKey;
    std::string typeKey;
    bool registered = false;
};
