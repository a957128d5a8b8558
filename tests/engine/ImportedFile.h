// An import file of contacts read as the import reads it: written to a folder of its own,
// loaded, and split into records with the columns named; the records freed with it.
#pragma once

#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "common/outlook/FieldEntry.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"
#include "main/engine/CsvImport.h"
#include "main/engine/CsvSource.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

class ImportedFile {
public:
    static constexpr TCsvReadOptions kCommaQuoted{'"', DELIMITER_COMMA, ENCODING_DETECT};

    ImportedFile(const std::string& bytes, bool bSkipTitleRow, const TCsvReadOptions& options = kCommaQuoted,
                 const std::vector<std::string>& columns = {"First Name", "Last Name", "Email 1"},
                 const std::string& name = "contacts.csv")
        : path(folder.file(name))
    {
        std::ofstream(path, std::ios::binary) << bytes;
        const TConvKind& kind = *FindConvKind(FLAG_ADDR);
        for (const std::string& column : columns) {
            for (int nPos = 1; nPos <= kind.GetFieldCount(); ++nPos) {
                const CsvFieldEntry* pField = kind.GetFieldDef(static_cast<unsigned>(nPos));
                if (column == pField->szName)
                    fields.Add(CopyFieldEntry(pField));
            }
        }
        EXPECT_EQ(fields.GetCount(), columns.size()) << "every column names a field";
        EXPECT_TRUE(LoadCsvSource(path.c_str(), kind, options, source));
        CSV splitter;
        report = ImportCsvRecords(kind, source, fields, bSkipTitleRow, splitter, records);
    }

    ~ImportedFile()
    {
        records.RemoveAll(true);
        fields.RemoveAll(true);
    }

    ImportedFile(const ImportedFile&) = delete;
    ImportedFile& operator=(const ImportedFile&) = delete;

    // The records in the order the import made them.
    std::vector<void*> Records()
    {
        std::vector<void*> made;
        for (void* pRec = records.GetFirst(); pRec != nullptr; pRec = records.GetNext())
            made.push_back(pRec);
        return made;
    }

    static std::string ReadBytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    testing_support::TempDir folder;
    std::string path;
    TCsvSource source;
    TCsvImportReport report;
    CxList fields;
    CxList records;
};
