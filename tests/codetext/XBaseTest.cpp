// The xBase to Basic conversion, rule by rule: exact bytes in, exact bytes out.
#include "codetext/XBase.h"

#include "platform/VbError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using qm::codetext::ConvertXBaseBlock;

struct Case
{
    const char *input;
    const char *expected;
};

std::string convert(std::string_view input)
{
    qm::codetext::XBaseConversion result = ConvertXBaseBlock(input);
    EXPECT_FALSE(result.failure) << result.failure->text;
    return result.text;
}

void expectCases(const std::vector<Case> &cases)
{
    for (const Case &c : cases)
        EXPECT_EQ(convert(c.input), c.expected) << "input: " << c.input;
}

} // namespace

TEST(XBasePreparation, BlankLinesLineEndsTabsAndQuotes)
{
    expectCases({
        {"", ""},
        {"a = 1\r\n   \r\n\r\nb = 2\r\n", "a = 1\r\n\r\n\r\nb = 2\r\n"},
        {"a\nb\rc", "a\r\nb\r\nc\r\n"},
        {"\tSKIP\t\r\n", "oTB.MoveNext\r\n"},
        {"? 'Hello'\r\n", "? \"Hello\"\r\n"},
    });
}

TEST(XBasePreparation, ContinuedLinesAreJoinedWithOneBlankBeforeAnyRule)
{
    expectCases({
        // Joined by plain concatenation this would open a table called customersINDEX.
        {"USE customers ;\r\nINDEX cust\r\n", "' USE customers INDEX cust\r\n"},
        {"IF a == 1 .AND. ;\r\n   b == 2\r\nENDIF\r\n", "If a = 1  And  b = 2 Then\r\nEnd If\r\n"},
        {"x = a + ;\r\n;\r\n   b\r\n", "x = a + b\r\n"},
        {";\r\nSKIP\r\n", "oTB.MoveNext\r\n"},
        {"REPLACE name WITH cName, ;\r\n        city WITH cCity\r\n",
         "' REPLACE name WITH cName, city WITH cCity\r\noTB!name = cName\r\noTB!city = cCity\r\n"},
        // A continuation still open at the end is converted, not lost.
        {"x = a + ;\r\n", "x = a +\r\n"},
    });
}

TEST(XBasePreparation, CommentAfterContinuationIsKeptAsItsOwnLine)
{
    expectCases({
        {"x = a + ; && add the next part\r\nb\r\n", "' add the next part\r\nx = a + b\r\n"},
        {"x = a + ; // add the next part\r\nb\r\n", "' add the next part\r\nx = a + b\r\n"},
        {"x = a + ; && part\r\nb\r\n", "' part\r\nx = a + b\r\n"},
        {"x = a + ; && 12/08/26\r\nb\r\n", "x = a + b\r\n"},
        {"x = \"http://a\" + ;\r\n\"b\"\r\n", "x = \"http://a\" + \"b\"\r\n"},
        // A ";" inside the trailing comment does not continue the line.
        {"x = 1 && see the note below;\r\ny = 2\r\n",
         "' see the note below;\r\nx = 1\r\ny = 2\r\n"},
        // A comment line that ends with ";" goes on as a comment.
        {"* the totals are kept ;\r\nin the summary table\r\n",
         "' the totals are kept in the summary table\r\n"},
    });
}

TEST(XBaseComments, BlockComments)
{
    expectCases({
        {"/* one line */\r\n", "' one line\r\n"},
        {"/* start\r\nmiddle\r\n  * star\r\n*/\r\nx = 1\r\n",
         "' start\r\n' middle\r\n' * star\r\n' */\r\nx = 1\r\n"},
        {"/* a\r\nthe last words */\r\n", "' a\r\n' the last words */\r\n"},
        {"/* a\r\nend */ SKIP\r\n", "' a\r\n' end */\r\noTB.MoveNext\r\n"},
        // The code before a comment opener stays code.
        {"x = 1 /* open\r\nmore\r\n*/\r\ny = 2\r\n",
         "' open\r\nx = 1\r\n' more\r\n' */\r\ny = 2\r\n"},
        {"x = 1 /* note that */\r\n", "' note that\r\nx = 1\r\n"},
        {"x = \"/*\"\r\nSKIP\r\n", "x = \"/*\"\r\noTB.MoveNext\r\n"},
        // Never closed: everything after is comment.
        {"/* open\r\nSKIP\r\n", "' open\r\n' SKIP\r\n"},
        {"x = 1 */ y\r\n", "x = 1 ' */ y\r\n"},
    });
}

TEST(XBaseComments, LineCommentsAndTheShortCommentFilter)
{
    expectCases({
        {"* 12/08/26\r\n", "\r\n"},
        // Only a date stamp goes; every other comment is kept, however short.
        {"* 12-08-2026\r\n", "\r\n"},
        {"* 8.12.26 \r\n", "\r\n"},
        {"*\r\n", "\r\n"},
        {"*****\r\n", "'****\r\n"},
        {"* short\r\n", "' short\r\n"},
        {"* comment\r\n", "' comment\r\n"},
        {"x = 1 && note\r\n", "' note\r\nx = 1\r\n"},
        {"* A longer comment\r\n", "' A longer comment\r\n"},
        {"   // another long one\r\n", "' another long one\r\n"},
        {"&& and the third\r\n", "' and the third\r\n"},
        {"SKIP // move to the next record\r\n", "' move to the next record\r\noTB.MoveNext\r\n"},
        {"SKIP // next\r\n", "' next\r\noTB.MoveNext\r\n"},
        {"x = 1 && set the counter\r\n", "' set the counter\r\nx = 1\r\n"},
        {"x = 1 // 12/08/26\r\n", "x = 1\r\n"},
        {"x = 1 // 12/08/26 dev\r\n", "' 12/08/26 dev\r\nx = 1\r\n"},
        {"? \"http://host/a\"\r\n", "? \"http://host/a\"\r\n"},
    });
}

TEST(XBaseDeclarations, NoteLineThenOneLinePerName)
{
    expectCases({
        {"PUBLIC gnTotal, gcName\r\n",
         "' PUBLIC converted to Global (must be moved to Moduele Declaration Section)\r\n"
         "Global gnTotal\r\nGlobal gcName\r\n"},
        {"Private nX\r\n",
         "' Private converted to Dim (may need to move to Module Scope)\r\nDim nX\r\n"},
        {"PRIV nX\r\n", "' PRIV converted to Dim (may need to move to Module Scope)\r\nDim nX\r\n"},
        {"LOCAL nTotal := 0, lDone := .F., aList[10][2]\r\n",
         "' LOCAL converted to Dims\r\nDim nTotal\r\nDim lDone\r\nDim aList(10, 2)\r\n"
         "nTotal = 0\r\nlDone =  False\r\n"},
        {"LOCAL cName := SUBSTR(cFull, 1, 10)\r\n",
         "' LOCAL converted to Dims\r\nDim cName\r\ncName = Mid(cFull, 1, 10)\r\n"},
        {"PRIVATE count, line\r\n", "' PRIVATE converted to Dim (may need to move to Module "
                                    "Scope)\r\nDim nCount\r\nDim pString\r\n"},
        // LOCATE is a command, not an abbreviation of LOCAL.
        {"LOCATE FOR nAge > 30\r\n", "oTB.FindFirst nAge > 30\r\n"},
        {"#include \"inkey.ch\"\r\n", "' #include \"inkey.ch\"\r\n"},
    });
}

TEST(XBaseExpressions, OperatorsLiteralsAndRecordFunctions)
{
    expectCases({
        {"if a == 1 .And. b != 2\r\nendif\r\n", "If a = 1  And  b <> 2 Then\r\nEnd If\r\n"},
        {"x = .not. a .OR. b\r\n", "x =  Not  a  Or  b\r\n"},
        {"c = \"Hi!\" .AND. !lDone\r\n", "c = \"Hi!\"  And  Not lDone\r\n"},
        {"x := cust->name\r\n", "x = cust!name\r\n"},
        {"x := a[1]\r\n", "x = a(1)\r\n"},
        {"lOk := .T.\r\n", "lOk =  True\r\n"},
        {"lOk := .f.\r\n", "lOk =  False\r\n"},
        {"IF empty(cName)\r\nENDIF\r\n", "If Emty(cName) Then\r\nEnd If\r\n"},
        {"STATIC local nX\r\n", "STATIC Dim nX\r\n"},
        // A record found is a seek without "no match".
        {"IF FOUND()\r\nENDIF\r\n", "If Not oTB.NoMatch Then\r\nEnd If\r\n"},
        {"lMiss = !found()\r\n", "lMiss = Not Not oTB.NoMatch\r\n"},
        // Only the calls themselves: functions whose names end the same way keep them.
        {"x = IsFound() .OR. MyEof() .OR. IsEmpty(c)\r\n",
         "x = IsFound()  Or  MyEof()  Or  IsEmpty(c)\r\n"},
        {"? \"found() eof()\"\r\n", "? \"found() eof()\"\r\n"},
        {"DO WHILE !EOF() .AND. !eof()\r\nENDDO\r\n",
         "DO WHILE Not oTB.EOF  And  Not oTB.EOF\r\nLoop\r\n"},
    });
}

TEST(XBaseStatements, CommandsWithoutAnEquivalentAreCommentedOut)
{
    expectCases({
        {"PACK\r\n", "' PACK\r\n"},
        {"SET DELETED ON\r\n", "' SET DELETED ON\r\n"},
        {"@ 1, 1 SAY \"Name\"\r\n", "' @ 1, 1 SAY \"Name\"\r\n"},
        {"read\r\n", "' read\r\n"},
        {"RUN dir\r\n", "' RUN dir\r\n"},
        {"RESTSCREEN(0, 0, 24, 79, cScr)\r\n", "' RESTSCREEN(0, 0, 24, 79, cScr)\r\n"},
        {"DECLARE aNames[10]\r\n", "' DECLARE aNames(10)\r\n"},
        // Keywords are whole words: these are assignments.
        {"READINGS = 5\r\n", "READINGS = 5\r\n"},
        {"Closed = .F.\r\n", "Closed =  False\r\n"},
        {"nSelected = 1\r\n", "nSelected = 1\r\n"},
    });
}

TEST(XBaseStatements, DatabaseCommands)
{
    expectCases({
        {"DELETE\r\n", "oTB.Delete\r\n"},
        {"INDEX ON cust_no TO custno\r\n", "oTB.Index = cust_no TO custno\r\n"},
        {"CLOSE DATABASES\r\n", "' CLOSE DATABASES\r\nDB.Close\r\n"},
        {"close\r\n", "' close\r\noTB.Close\r\n"},
        {"APPEND BLANK\r\n", "oTB.AddNew\r\n"},
        {"APPEND FROM old\r\n", "oTB.AddNew FROM old\r\n"},
        {"ERASE temp.dbf\r\n", "Kill temp.dbf\r\n"},
        {"CONTINUE\r\n", "oTB.FindNext\r\n"},
        {"SKIP\r\nSKIP 1\r\nSKIP -1\r\nskip - 1\r\nSKIP nStep\r\n",
         "oTB.MoveNext\r\noTB.MoveNext\r\noTB.MovePrevious\r\noTB.MovePrevious\r\noTB.Move "
         "nStep\r\n"},
        {"GO TOP\r\ngoto top\r\nGO BOTTOM\r\nGOTO BOTTOM\r\nGO nRec\r\nGOTO 5\r\n",
         "oTB.MoveFirst\r\noTB.MoveFirst\r\noTB.MoveLast\r\noTB.MoveLast\r\n"
         "oTB.BookMark = nRec\r\noTB.BookMark = 5\r\n"},
        {"SEEK cKey\r\nSEEK cLast + cFirst\r\n",
         "oTB.Seek \"=\",cKey\r\noTB.Seek \"=\",cLast , cFirst\r\n"},
        {"LOCATE FOR cCity = \"Paris\"\r\n", "oTB.FindFirst cCity = \"Paris\"\r\n"},
        {"USE customers INDEX cust\r\n", "' USE customers INDEX cust\r\n"},
    });
}

TEST(XBaseStatements, ReplaceAssignsTheAliasFields)
{
    expectCases({
        {"REPLACE name WITH 'Smith'\r\n",
         "' REPLACE name WITH \"Smith\"\r\noTB!name = \"Smith\"\r\n"},
        {"replace qty with qty + 1\r\n", "' replace qty with qty + 1\r\noTB!qty = qty + 1\r\n"},
        {"REPLACE cust->name WITH x\r\n", "' REPLACE cust!name WITH x\r\ncust!name = x\r\n"},
        {"REPLACE name WITH UPPER(cName), total WITH SUM(a, b)\r\n",
         "' REPLACE name WITH UPPER(cName), total WITH SUM(a, b)\r\n"
         "oTB!name = UCase(cName)\r\noTB!total = SUM(a, b)\r\n"},
        {"REPLACE data WITH count\r\n", "' REPLACE data WITH count\r\noTB!data = nCount\r\n"},
        {"REPLACE name\r\n", "' REPLACE name\r\n"},
    });
}

TEST(XBaseStatements, TheAliasOfTheLastSelect)
{
    expectCases({
        {"SKIP\r\nSELECT orders\r\nGO TOP\r\nSELECT 2\r\nSELECT customers\r\nDELETE\r\nSEEK x\r\n",
         "oTB.MoveNext\r\norders.MoveFirst\r\ncustomers.Delete\r\ncustomers.Seek \"=\",x\r\n"},
        // A new procedure starts without an alias.
        {"SELECT orders\r\nPROCEDURE Next\r\nSKIP\r\n",
         "Sub Next\r\noTB.MoveNext\r\nEnd Sub\r\n \r\n"},
        {"SELECT CASE x\r\nSELECT(1)\r\n", "SELECT CASE x\r\nSELECT(1)\r\n"},
    });
}

TEST(XBaseStatements, TextBlocksAreTextNotCode)
{
    expectCases({
        {"TEXT\r\n-----BEGIN MESSAGE-----\r\nProc-Type: 4,ENCRYPTED\r\n\r\n  DO WHILE .T.\r\n"
         "ENDTEXT\r\nSKIP\r\n",
         "' TEXT\r\n' -----BEGIN MESSAGE-----\r\n' Proc-Type: 4,ENCRYPTED\r\n'\r\n' "
         "  DO WHILE .T.\r\n' ENDTEXT\r\noTB.MoveNext\r\n"},
        {"  text to cLetter noshow\r\nDear 'Sir' && not a comment\r\n  endt\r\n",
         "'   text to cLetter noshow\r\n' Dear 'Sir' && not a comment\r\n'   endt\r\n"},
        // A variable named text is assigned, not opened.
        {"text = 1\r\nPROC Go\r\n", "text = 1\r\nSub Go\r\nEnd Sub\r\n \r\n"},
    });
}

TEST(XBaseStatements, ProceduresFunctionsAndReturn)
{
    expectCases({
        {"PROCEDURE One\r\nx = 1\r\nFUNCTION Two\r\nRETURN .T.\r\n",
         "Sub One\r\nx = 1\r\nEnd Sub\r\n \r\nFunction Two\r\nTwo = True\r\nExit Function\r\n"
         "End Function\r\n\r\n"},
        {"FUNC Half(n)\r\nRETURN (n + 1) / 2\r\n",
         "Function Half(n)\r\nHalf = (n + 1) / 2\r\nExit Function\r\nEnd Function\r\n\r\n"},
        {"FUNCTION Ok\r\nRETURN(.F.)\r\nRETURN \"Ok\"\r\nRETURN SUBSTR(c, 2)\r\nRETURN\r\n",
         "Function Ok\r\nOk = False\r\nExit Function\r\nOk = \"Ok\"\r\nExit Function\r\n"
         "Ok = Mid(c, 2)\r\nExit Function\r\n   Exit Function\r\nEnd Function\r\n\r\n"},
        {"PROC Show\r\nRETURN\r\n", "Sub Show\r\n   Exit Sub\r\nEnd Sub\r\n \r\n"},
        // The name comes from the header; the procedure's own name is renamed like any other.
        {"FUNCTION Count\r\nRETURN 1\r\n",
         "Function nCount\r\nnCount = 1\r\nExit Function\r\nEnd Function\r\n\r\n"},
        {"FUNCTION DoProcedure(a)\r\n", "Function DoProcedure(a)\r\nEnd Function\r\n\r\n"},
    });
}

TEST(XBaseStatements, BlocksLoopsAndTheirDepth)
{
    expectCases({
        {"PROCEDURE Scan\r\nDO WHILE .T.\r\nIF x\r\nLOOP\r\nENDIF\r\nENDDO\r\n",
         "Sub Scan\r\nDO WHILE  True\r\nIf x Then\r\nGoTo ScanLupEnd\r\nEnd "
         "If\r\nScanLupEnd:\r\nLoop\r\n"
         "End Sub\r\n \r\n"},
        // The label belongs to the loop that holds the LOOP, not to the next loop to end.
        {"PROCEDURE Scan\r\nDO WHILE a\r\nIF b\r\nLOOP\r\nENDIF\r\nDO WHILE "
         "c\r\nSKIP\r\nENDDO\r\nENDDO\r\n"
         "WHILE d\r\nLOOP\r\nENDDO\r\n",
         "Sub Scan\r\nDO WHILE a\r\nIf b Then\r\nGoTo ScanLupEnd\r\nEnd If\r\nDO WHILE c\r\n"
         "oTB.MoveNext\r\nLoop\r\nScanLupEnd:\r\nLoop\r\nDo While d\r\nGoTo ScanLupEnd2\r\n"
         "ScanLupEnd2:\r\nLoop\r\nEnd Sub\r\n \r\n"},
        // A LOOP whose loop header is not in the text: the label goes before the next Loop.
        {"LOOP\r\nENDDO\r\n", "GoTo LupEnd\r\nLupEnd:\r\n' Loop\r\n"},
        {"WHILE x < 10\r\nEXIT\r\nENDDO\r\n", "Do While x < 10\r\nExit Do\r\nLoop\r\n"},
        {"DO WHILE x\r\nEXIT\r\nENDDO\r\n", "DO WHILE x\r\nExit Do\r\nLoop\r\n"},
        {"FOR i = 1 TO 10\r\nEXIT\r\nNEXT\r\n", "FOR i = 1 TO 10\r\nExit For\r\nNEXT\r\n"},
        {"EXIT\r\n", "Exit\r\n"},
        {"ENDIF\r\nENDDO\r\n", "' End If\r\n' Loop\r\n"},
        {"IF a\r\nELSEIF b > 1\r\nelse\r\nEND\r\n",
         "If a Then\r\nElseIf b > 1 Then\r\nElse\r\nEnd If\r\n"},
        {"IF x THEN\r\nENDIF\r\n", "If x THEN\r\nEnd If\r\n"},
        {"IF(a > b)\r\nENDIF\r\n", "If(a > b) Then\r\nEnd If\r\n"},
        {"PROCEDURE Save\r\nBEGIN SEQUENCE\r\nIF lErr\r\nBREAK\r\nENDIF\r\nEND\r\n",
         "Sub Save\r\n' BEGIN SEQUENCE\r\nIf lErr Then\r\nGoTo SaveBreakEnd\r\nEnd If\r\n"
         "' END SEQUENCE\r\nSaveBreakEnd:\r\nEnd Sub\r\n \r\n"},
        // An explicit END SEQUENCE is the label even inside a block.
        {"IF a\r\nBEGIN SEQUENCE\r\nEND SEQUENCE\r\nENDIF\r\n",
         "If a Then\r\n' BEGIN SEQUENCE\r\n' END SEQUENCE\r\nBreakEnd:\r\nEnd If\r\n"},
    });
}

TEST(XBaseStatements, DoCaseBecomesAnIfChain)
{
    expectCases({
        {"DO CASE\r\nCASE x = 1\r\n   ? \"one\"\r\nCASE SUBSTR(c, 1, 1) = \"A\"\r\n? \"A\"\r\n"
         "OTHERWISE\r\n? \"other\"\r\nENDCASE\r\n",
         "' Do Case Sequence converted due to Incompatability with VB\r\nIf x = 1 Then\r\n? "
         "\"one\"\r\n"
         "ElseIf Mid(c, 1, 1) = \"A\" Then\r\n? \"A\"\r\nElse\r\n? \"other\"\r\nEnd If\r\n"},
        // A DO CASE inside a case starts its own chain; the outer one goes on with ElseIf.
        {"DO CASE\r\nCASE a\r\nDO CASE\r\nCASE b\r\nENDCASE\r\nCASE c\r\nENDCASE\r\n",
         "' Do Case Sequence converted due to Incompatability with VB\r\nIf a Then\r\n"
         "' Do Case Sequence converted due to Incompatability with VB\r\nIf b Then\r\nEnd If\r\n"
         "ElseIf c Then\r\nEnd If\r\n"},
    });
}

TEST(XBaseFunctions, FunctionNames)
{
    expectCases({
        {"x = SUBSTR(c, 1, 2) + ALLTRIM(d)\r\n", "x = Mid(c, 1, 2) + Trim(d)\r\n"},
        {"x = UPPER(c)\r\nupper = 1\r\n", "x = UCase(c)\r\nupper = 1\r\n"},
        {"x = IF(a > b, a, b)\r\n", "x = IIF(a > b, a, b)\r\n"},
        {"x = IIF(a, IF(b, 1, 2), 3)\r\n", "x = IIF(a, IF(b, 1, 2), 3)\r\n"},
        {"x = TYPE(\"y\")\r\n", "x = VarType(\"y\")\r\n"},
        {"? \"substr upper(x)\"\r\n", "? \"substr upper(x)\"\r\n"},
    });
}

TEST(XBaseFunctions, ContainsOperatorBecomesInStr)
{
    const char *note = "' Complex String Operators may or may not be converted properly\r\n";
    expectCases({
        {"IF \"a\" $ cName\r\nENDIF\r\n",
         (std::string(note) +
          "' IF \"a\" $ cName\r\nIf InStr(1, cName, \"a\", 1) > 0 Then\r\nEnd If\r\n")
             .c_str()},
    });
    EXPECT_EQ(convert("lIn := SUBSTR(c, 1, 1) $ \"A B\"\r\n"),
              std::string(note) + "' lIn := SUBSTR(c, 1, 1) $ \"A B\"\r\nlIn = InStr(1, \"A B\", "
                                  "Mid(c, 1, 1), 1) > 0\r\n");
    EXPECT_EQ(
        convert("x = a $ b .AND. c$d\r\n"),
        std::string(note) +
            "' x = a $ b .AND. c$d\r\nx = InStr(1, b, a, 1) > 0  And  InStr(1, d, c, 1) > 0\r\n");
    EXPECT_EQ(
        convert("x = cust->code $ (\"AB\" + y)\r\n"),
        std::string(note) +
            "' x = cust->code $ (\"AB\" + y)\r\nx = InStr(1, (\"AB\" + y), cust!code, 1) > 0\r\n");
    // No operand on a side, or the "$" in a string: left alone, and no note.
    expectCases({
        {"x = \"$\" + y\r\n", "x = \"$\" + y\r\n"},
        {"x = a $\r\n", "x = a $\r\n"},
        {"$ b\r\n", "$ b\r\n"},
    });
}

TEST(XBaseFunctions, IncrementsAndCompoundAssignments)
{
    expectCases({
        {"n++\r\n--nCount\r\nmy_var++\r\n", "Inc n\r\nDec nCount\r\nInc my_var\r\n"},
        {"x = a++ + --b\r\n", "x = IncA(a) + DecB(b)\r\n"},
        {"? \"-- ++\"\r\n", "? \"-- ++\"\r\n"},
        {"nTotal += nPrice * nQty\r\n", "nTotal = nTotal + nPrice * nQty\r\n"},
        {"a -= b\r\na -= b + c\r\n", "a = a - b\r\na = a - (b + c)\r\n"},
        {"DO Foo WITH a, b\r\nDO Bar\r\n", "Foo a, b\r\nBar\r\n"},
    });
}

TEST(XBaseReservedWords, WholeIdentifiersOutsideStringsAreRenamed)
{
    expectCases({
        {"line = left + count\r\n", "pString = nLeft + nCount\r\n"},
        {"x = leftover + Left + LEFT\r\n", "x = leftover + nLeft + nLeft\r\n"},
        {"string = right + data + cstr + currency + error\r\n",
         "cString = nRight + cData + cstrg + currncy + lError\r\n"},
        {"empty = 1\r\n", "emty = 1\r\n"},
        {"x = LEFT(c, 2) + RIGHT(c, 1) + left\r\n", "x = LEFT(c, 2) + RIGHT(c, 1) + nLeft\r\n"},
        {"? \"the line\"\r\n", "? \"the line\"\r\n"},
        {"x = customers->count\r\n", "x = customers!count\r\n"},
        {"* a comment about the line count\r\n", "' a comment about the line count\r\n"},
    });
}

TEST(XBaseWordHelpers, NextOperandAndNextIdentifier)
{
    struct WordCase
    {
        const char *text;
        const char *word;
        const char *rest;
    };
    const WordCase operands[] = {
        {"  SUBSTR(a, (b), 2) + c", "SUBSTR(a, (b), 2)", " + c"},
        {"\"a b\" $ x", "\"a b\"", " $ x"},
        {"cust!name.x[1] rest", "cust!name.x[1]", " rest"},
        {"a) b", "a", ") b"},
        {"(a", "(a", ""},
        {"", "", ""},
    };
    for (const WordCase &c : operands) {
        std::string_view text = c.text;
        EXPECT_EQ(qm::codetext::GetNextPSOWord(text), c.word) << c.text;
        EXPECT_EQ(text, c.rest) << c.text;
    }
    std::string_view text = "  my_var, b";
    EXPECT_EQ(qm::codetext::GetNextVBWord(text), "my_var");
    EXPECT_EQ(text, " b");
}

TEST(XBaseFailure, AFailureKeepsTheOutputSoFarAndCarriesTheReport)
{
    std::vector<size_t> seen;
    auto result = ConvertXBaseBlock("SKIP\r\nSKIP -1\r\nGO TOP\r\n", [&](size_t line) {
        seen.push_back(line);
        if (line == 3)
            throw qm::platform::VbError(5);
    });
    EXPECT_EQ(result.text, "oTB.MoveNext\r\noTB.MovePrevious\r\n");
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.failure->title, "Quillmark: System Error");
    EXPECT_EQ(result.failure->text,
              "The Following Error \"5: Invalid procedure call or argument\"\n\r"
              "Occured in Function/Sub \"ConvertXBaseBlock\"");
    EXPECT_EQ(result.failure->style, 16);
    EXPECT_EQ(seen, (std::vector<size_t>{1, 2, 3}));
}

TEST(XBaseFailure, TheEditorCommandConvertsNothingForAnEmptySelection)
{
    EXPECT_FALSE(qm::codetext::ConvertXBaseProc(""));
    auto converted = qm::codetext::ConvertXBaseProc("SKIP");
    ASSERT_TRUE(converted);
    EXPECT_EQ(converted->text, "oTB.MoveNext\r\n");
    EXPECT_FALSE(converted->failure);
}

TEST(XBaseBadInput, LargeAndMalformedInputIsConverted)
{
    std::string program;
    for (int i = 0; i < 10000; ++i)
        program += "PROCEDURE P" + std::to_string(i) + "\r\nSKIP\r\n* a comment long enough\r\n";
    std::string out = convert(program);
    EXPECT_TRUE(
        out.starts_with("Sub P0\r\noTB.MoveNext\r\n' a comment long enough\r\nEnd Sub\r\n \r\n"));
    EXPECT_TRUE(
        out.ends_with("Sub P9999\r\noTB.MoveNext\r\n' a comment long enough\r\nEnd Sub\r\n \r\n"));

    std::string longLine = "x = " + std::string(100000, 'a') + "\r\n";
    EXPECT_EQ(convert(longLine), longLine);

    // Each of these has to come back whole, in time, without the engine tripping over itself.
    std::string dollars;
    for (int i = 0; i < 50000; ++i)
        dollars += "a$";
    EXPECT_FALSE(convert(dollars).empty());
    std::string nested = std::string(50000, '(') + "a" + std::string(50000, ')') + " $ b";
    EXPECT_NE(convert(nested).find("$ b"), std::string::npos) << "an operand too long stays";
    std::string open = "x = a $ " + std::string(100000, '(');
    EXPECT_EQ(convert(open), open + "\r\n");
    std::string quotes(100001, '"');
    EXPECT_EQ(convert(quotes), quotes + "\r\n");
    std::string pluses(100000, '+');
    EXPECT_EQ(convert(pluses), pluses + "\r\n");
    std::string semicolons;
    for (int i = 0; i < 30000; ++i)
        semicolons += "a ;\r\n";
    std::string joined = convert(semicolons);
    EXPECT_EQ(joined.size(), 30000u * 2 - 1 + 2);

    expectCases({
        {";\r\n", ""},
        {"? \"caf\xe9\" + \xff\xfe\r\n", "? \"caf\xe9\" + \xff\xfe\r\n"},
        {"x = \xe9t\xe9 $ \xe0\r\n", "x = \xe9t\xe9 $ \xe0\r\n"},
    });
}
