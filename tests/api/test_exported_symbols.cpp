// The shared object's dynamic symbol table against the code: every korvex3_* function of the
// sources is exported under its plain name (korvex3_initialize and korvex3_finalize as C++), and
// nothing of the standard library, nlohmann/json, Qt or spdlog leaks out.
#include <cstdio>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include <cxxabi.h>
#include <gtest/gtest.h>

#include <QDirIterator>

namespace {

const std::set<std::string> kCppFunctions = {"korvex3_initialize", "korvex3_finalize"};
const std::set<std::string> kTables = {"NetServerMap", "ReceiptMap", "CloudMap"};

std::set<std::string> dynamicSymbols()
{
    std::set<std::string> symbols;
    const std::string command = std::string("nm -D --defined-only '") + KORVEX3_SHARED_LIBRARY + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return symbols;
    char line[4096];
    while (std::fgets(line, sizeof line, pipe.get())) {
        std::istringstream fields(line);
        std::string address, kind, name;
        if (fields >> address >> kind >> name)
            symbols.insert(name.substr(0, name.find('@')));
    }
    return symbols;
}

std::string readFile(const QString& path)
{
    std::ifstream in(path.toStdString());
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Names of korvex3_* functions the code defines: `name(parameters) {` in any source under src/.
std::set<std::string> definedFunctions()
{
    static const std::regex definition(R"(\b(korvex3_\w+)\s*\(([^(){};]|\([^(){};]*\))*\)\s*\{)");
    std::set<std::string> names;
    QDirIterator it(QStringLiteral(KORVEX3_SOURCE_DIR "/src"), {"*.cpp", "*.h"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const std::string text = readFile(it.next());
        for (std::sregex_iterator m(text.begin(), text.end(), definition), end; m != end; ++m)
            names.insert((*m)[1]);
    }
    return names;
}

std::set<std::string> declaredInPublicHeader()
{
    static const std::regex declaration(R"(\b(korvex3_\w+)\s*\()");
    const std::string text = readFile(QStringLiteral(KORVEX3_SOURCE_DIR "/include/korvex3/korvex3.h"));
    std::set<std::string> names;
    for (std::sregex_iterator m(text.begin(), text.end(), declaration), end; m != end; ++m)
        names.insert((*m)[1]);
    return names;
}

std::string demangled(const std::string& symbol)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> text(abi::__cxa_demangle(symbol.c_str(), nullptr, nullptr, &status),
                                                std::free);
    return status == 0 && text ? std::string(text.get()) : symbol;
}

// The outermost scope a demangled symbol belongs to: "std" for
// "void std::vector<int>::push_back(int const&)", "TLVParser" for "TLVParser::get<unsigned int>(...)".
std::string ownerOf(std::string name)
{
    for (const char* prefix : {"vtable for ", "typeinfo name for ", "typeinfo for ", "guard variable for ",
                               "non-virtual thunk to ", "virtual thunk to ", "VTT for ", "construction vtable for "})
        if (name.rfind(prefix, 0) == 0)
            name.erase(0, std::string(prefix).size());
    name = std::regex_replace(name, std::regex(R"(\(anonymous namespace\))"), "anonymous-namespace");
    name = std::regex_replace(name, std::regex(R"(operator(\(\)|[^\w\s(]+))"), "operator@");
    std::string flat;  // without template arguments
    int depth = 0;
    for (char c : name) {
        depth += c == '<';
        if (depth == 0)
            flat += c;
        depth -= c == '>' && depth > 0;
    }
    flat = flat.substr(0, flat.find('('));
    flat = flat.substr(flat.rfind(' ') == std::string::npos ? 0 : flat.rfind(' ') + 1);  // return type
    return flat.substr(0, flat.find("::"));
}

bool isForeign(const std::string& owner)
{
    static const std::regex foreign(R"(std|__gnu_cxx|__cxxabiv1|nlohmann|fmt|spdlog|anonymous-namespace|Qt\w*|Q[A-Z]\w*)");
    return std::regex_match(owner, foreign);
}

class ExportedSymbols : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(symbols.empty()) << "nm listed nothing for " << KORVEX3_SHARED_LIBRARY; }

    const std::set<std::string> symbols = dynamicSymbols();
};

TEST_F(ExportedSymbols, EveryFunctionOfTheCodeIsExportedUnderItsPlainName)
{
    const std::set<std::string> defined = definedFunctions();
    for (const char* known : {"korvex3_version", "korvex3_open", "korvex3_close", "korvex3_initialize"})
        ASSERT_TRUE(defined.count(known)) << "the source scan missed " << known;
    const std::set<std::string> declared = declaredInPublicHeader();
    for (const std::string& name : defined) {
        EXPECT_TRUE(declared.count(name)) << name << " is not declared in korvex3/korvex3.h";
        if (kCppFunctions.count(name))
            continue;
        EXPECT_TRUE(symbols.count(name)) << name << " is not exported under its plain name";
    }
}

TEST_F(ExportedSymbols, InitializeAndFinalizeAreCppSymbols)
{
    EXPECT_TRUE(symbols.count("_Z18korvex3_initializev"));
    EXPECT_TRUE(symbols.count("_Z16korvex3_finalizev"));
    EXPECT_FALSE(symbols.count("korvex3_initialize"));
    EXPECT_FALSE(symbols.count("korvex3_finalize"));
}

TEST_F(ExportedSymbols, NothingForeignOrStrayLeaks)
{
    for (const std::string& symbol : symbols) {
        if (symbol.rfind("_Z", 0) != 0) {
            EXPECT_TRUE(symbol.rfind("korvex3_", 0) == 0 || kTables.count(symbol))
                << "stray C symbol " << symbol;
            continue;
        }
        const std::string name = demangled(symbol);
        EXPECT_FALSE(isForeign(ownerOf(name))) << "leaked " << name;
        if (name.rfind("korvex3_", 0) == 0) {
            EXPECT_TRUE(kCppFunctions.count(name.substr(0, name.find('('))))
                << name << " is exported as C++; it needs extern \"C\" (KORVEX3_API)";
        }
    }
}

}  // namespace
