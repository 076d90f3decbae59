#!/usr/bin/env bash
# Runs the statements the program sends for its catalogue and for user tables through `varnel-cli sql`,
# in the order the program would, and checks what each one gives.
set -u
. "$(dirname "$0")/cli_checks.sh"
T=$'\t'
# expect OUTPUT STATEMENT...: the statements run and print exactly OUTPUT.
expect() { expect_from sql "$@"; }
# run STATEMENT...: each statement succeeds (edited sets with --edit).
run() { "$cli" sql "$db" "$@" > /dev/null 2>"$work/err" || fail "$* -> $(cat "$work/err")"; }
# refused STATEMENT: the statement fails with an error line naming the engine failure.
refused() {
  "$cli" sql "$db" "$1" > /dev/null 2>"$work/err" && fail "$1 should fail"
  grep -q "^error: .*$2" "$work/err" || fail "$1 -> $(cat "$work/err")"
}

# Creating the database and the catalogue check on it
"$cli" create-empty "$db" || fail "create-empty"
"$cli" create-empty "$db" 2>"$work/err" && fail "create-empty twice"
grep -q DB_E_DUPLICATEDATASOURCE "$work/err" || fail "duplicate create names the failure"
expect "TableName${T}TableID
MSysTables${T}1
MSysFields${T}2
MSysIndexes${T}3" "SELECT * FROM MSysTables"
run "CREATE TABLE 'XNSysTables' (TableSource text, FieldNum int, FieldName text, Widths text, Options text)" \
    "CREATE INDEX 'TableSourceWidths' ON 'XNSysTables' ('TableSource')" \
    "CREATE TABLE 'XNSysForms' (FormName varchar(64), TableSource text, CtrlProps text)" \
    "CREATE INDEX 'FormNames' ON 'XNSysForms' ('FormName')" \
    "CREATE TABLE 'XNSysFields' (TableID int, FieldName varchar(64), FieldID int, Len smallint, ODBCType smallint, Combo int, ComboFlags text, ComboData text, Required bit, Unique bit, Calculation text, AutoNumber int, LeftTable text, RightTable text, LeftField text, RightField text, LRelationType text, LRelationFlags text, RRelationType text, RRelationFlags text, Format text, InputMask text, DefValue text, ValdnRule text, ValdnText text, ZeroLen bit)" \
    "CREATE INDEX 'TableIDs' ON 'XNSysFields' ('TableID')" \
    "CREATE INDEX 'FieldIDs' ON 'XNSysFields' ('FieldID')" \
    "CREATE TABLE 'XNSysRelations' (LeftTable varchar(64), RightTable varchar(64), LeftField text, RightField text, RelationType SmallInt, RelationFlags SmallInt)" \
    "CREATE TABLE 'XNSysMacros' (MacroID int,MacroName varchar(15),Event text,Arguments text,Standalone bit)" \
    "CREATE TABLE 'XNSysModules' (ModuleName varchar(15),Source text)" \
    "CREATE TABLE 'XNSysQueries' (QueryID int, QueryName varchar(64), QueryType smallint, QueryStmt text, QuerySelect text, QueryFrom text, QueryCriteria text, QueryOrderBy text, QueryJoins text, Attribs varchar(20))" \
    "DELETE 'XNSysFields' "
refused "CREATE TABLE 'XNSysForms' (FormName varchar(64), TableSource text, CtrlProps text)" DB_E_ERRORSINCOMMAND
expect "TableID${T}IndexName${T}FieldID${T}Flags
4${T}TableSourceWidths${T}1${T}2
5${T}FormNames${T}1${T}2
6${T}TableIDs${T}1${T}2
6${T}FieldIDs${T}3${T}2" "SELECT * FROM MSysIndexes"

# A table made in the designer, with its catalogue rows
run "Create table Orders (Name varchar(30), Qty Integer, Price Float, Due Datetime, Paid Bit, Notes Text, Pic Long Varbinary)"
expect "TableID
11" "Select TableId From MSysTables Where TableName = Orders"
expect "TableID
11" "SELECT TableID FROM MSysTables WHERE TableName = 'Orders'"
expect "FieldID
1
2
3
4
5
6
7" "Select FieldId From MSysFields Where TableId = 11 ORDER BY FIELDID ASC"
run "Insert into XNSysFields (Tableid, FieldName, FieldId, Len, Format, InputMask, DefValue, ValdnRule, ValdnText, Required, ZeroLen, Unique, ODBCType, Calculation) values (11, 'Name', 1, 30, '', '', '', '', '', false, false, false, 12, '')"
expect "Unique${T}Required${T}ZeroLen
0${T}0${T}0" "SELECT Unique, Required, ZeroLen FROM XNSysFields WHERE TableID = '11' AND FieldName = 'Name'"

# The catalogue check on the next open: orphans go, missing rows come
run "Insert into XNSysFields values(99,'Gone',1,4,3,0,0,'',0,0,'',0,'','','','','','','','','','','','','','0')"
run "DELETE 'XNSysFields' WHERE 'TableID' <> '11'"
expect "TableID${T}FieldName${T}FieldID${T}FieldLen${T}ODBCType
11${T}Name${T}1${T}30${T}202
11${T}Qty${T}2${T}4${T}3
11${T}Price${T}3${T}8${T}5
11${T}Due${T}4${T}8${T}7
11${T}Paid${T}5${T}1${T}11
11${T}Notes${T}6${T}0${T}203
11${T}Pic${T}7${T}0${T}205" "SELECT * FROM 'MSysFields' WHERE 'TableID' = '11' ORDER BY 'TableID', 'FieldID'"
run "Insert into XNSysFields values(11,'Price',3,8,5,0,0,'',0,0,'',0,'','','','','','','','','','','','','','0')"
expect "TableID${T}FieldName${T}FieldID
11${T}Name${T}1
11${T}Price${T}3" "SELECT TableID, FieldName, FieldID FROM 'XNSysFields' WHERE 'TableID' = '11' ORDER BY 'TableID', 'FieldID'"

# Field changes of the table designer
run "ALTER TABLE Orders ADD City varchar(20)"
expect "TableID${T}FieldID
11${T}8" "Select TableID, FieldId From MSysFields where Tableid = 11 AND FieldName = 'City'"
run --edit "Select * from XNSysFields where tableid = 11 ORDER BY FIELDID ASC"
run "ALTER TABLE Orders RENAME City TO 'Home City'"
run "DELETE XNSysFields WHERE TABLEID = 11 AND FIELDNAME = 'Notes'" "Alter table 'Orders' Drop Notes"
expect "FieldName${T}FieldID
Home City${T}7
Pic${T}6" "SELECT FieldName, FieldID FROM 'MSysFields' WHERE 'TableID' = '11' AND FieldID > 5 ORDER BY 'FieldName'"
run "SELECT * FROM 'XNSysFields' WHERE 'TableID' = '11' ORDER BY 'FieldName'" \
    "SELECT * FROM MSysTables WHERE TABLENAME = 'Orders'" \
    "SELECT * FROM XNSysFIELDS WHERE TABLEID=11 AND FIELDNAME = 'Name'" \
    "Select * From XNSysFields Where TableID = '11' ORDER BY FIELDID ASC" \
    "Select FieldName, ODBCType, Unique, Required, ZeroLen, Combo, ComboFlags, ComboData, ValdnRule, ValdnText,DefValue, Calculation, AutoNumber, InputMask,Len from XNSysfields where tableid = '11'" \
    "SELECT DefValue, ValdnRule FROM XNSysFIELDS WHERE TABLEID=11"

# Records, imports, filters and sorts
run "Insert into Orders values('Smith', 5, 2.5, '12/7/2026', -1, '', 'Oslo')" \
    "Insert into Orders values('Jones', 12, 1, '1/2/2025', 0, '', 'Bergen')" \
    "Insert into Orders values('smithers', 7, 3.25, '', false, '', '')"
refused "Insert into Orders values('Lee', 'many', 1, '', 0, '', '')" DB_E_BADVALUES
expect "Name${T}Qty
Smith${T}5
smithers${T}7" "SELECT Name, Qty FROM Orders WHERE Name LIKE 'Smith*'  ORDER BY Name"
expect "Name${T}Qty${T}Price${T}Due${T}Paid${T}Pic${T}Home City
Jones${T}12${T}1${T}1/2/2025${T}0${T}${T}Bergen
Smith${T}5${T}2.5${T}12/7/2026${T}-1${T}${T}Oslo" "SELECT  *  FROM Orders  WHERE ((Name =\"Smith\") OR (Name =\"Jones\") ) ORDER BY Name ASC "
expect "Qty${T}Price
7${T}3.25
12${T}1" "SELECT Orders.Qty,Orders.Price FROM Orders  WHERE ((Orders.Qty >5) ) ORDER BY Orders.Qty ASC "
expect "Name
Jones" "SELECT Name FROM Orders WHERE Paid = false AND Due IS NOT NULL"

# Relations and the query designer's joins
run "CREATE TABLE Customers (CustName varchar(30), Town text)" \
    "Insert into Customers values('Smith', 'Oslo')" \
    "INSERT INTO XNSysRelations VALUES('Orders', 'Customers', 'Name', 'CustName', 1, 6)"
expect "LeftTable${T}RightTable${T}LeftField${T}RightField${T}RelationType${T}RelationFlags
Orders${T}Customers${T}Name${T}CustName${T}1${T}6" "SELECT LeftTable,RightTable,LeftField,RightField,RelationType,RelationFlags FROM XNSysRelations"
expect "RightTable${T}RightField
Customers${T}CustName" "SELECT RightTable,RightField FROM XNSysRelations WHERE LeftTable= 'Orders' AND LeftField = 'Name' AND (RelationFlags = 2 OR RelationFlags = 6)"
expect "Name${T}Town
Smith${T}Oslo" "SELECT Orders.Name,Customers.Town FROM Orders,Customers  INNER JOIN (Orders ON Orders.Name = Customers.CustName)  WHERE ((Orders.Qty >1) ) "
run "DELETE FROM Customers WHERE CustName= 'Smith'" \
    "DELETE FROM XNSysRelations WHERE LeftTable='Orders' AND RightTable = 'Customers' AND LeftField = 'Name' AND RightField = 'CustName'"
expect "TableName
XNSysTables
XNSysForms
XNSysFields
XNSysRelations
XNSysMacros
XNSysModules
XNSysQueries
Orders
Customers" "Select tablename from MSysTables where tablename NOT LIKE 'MSys%'"

# The index manager
run "CREATE INDEX QtyIdx ON Orders (Qty DESC CASESENSITIVE UNKNOWNFIRST ) " "CREATE INDEX NameIdx ON Orders (Name ) "
expect "TableID${T}IndexName${T}FieldID${T}Flags
11${T}QtyIdx${T}2${T}5
11${T}NameIdx${T}1${T}2" " SELECT * from MSysIndexes where TableID = '11'"
expect "FieldName${T}ODBCType
Name${T}202" " SELECT FieldName,ODBCType from MSysFields where TableID = '11' AND FieldID = 1"
run "DROP INDEX Orders.QtyIdx"
refused "DROP INDEX Orders.QtyIdx" DB_E_ERRORSINCOMMAND

# Stored queries, forms, macros, modules
run "INSERT INTO XNSysQueries VALUES(1, 'Big', 1, 'SELECT * FROM Orders WHERE Qty > 6', '', 'Orders', '', '', '', '1')" \
    "INSERT INTO XNSysForms VALUES('F1', 'Orders', '')" "INSERT INTO XNSysMacros VALUES(1, 'M1', '', '', true)" \
    "INSERT INTO XNSysModules VALUES('Mod1', 'Sub X')"
expect "QueryStmt${T}QuerySelect
SELECT * FROM Orders WHERE Qty > 6${T}" "Select QueryStmt, QuerySelect From XNSysQueries Where QueryName = 'Big'"
run "SELECT * FROM XNSysQUERIES" "Select * from XNSysForms where formname = 'F1'" "SELECT * from XNSysMacros where MacroName = 'M1'" \
    "SELECT * from XNSysModules where ModuleName = 'Mod1'" "Select ModuleName from XNSysModules" \
    "DELETE FROM XNSysQueries WHERE QueryName = 'Big'" "Delete From XNSysForms where FormName = 'F1'" \
    "DELETE From XNSysMacros where MacroName = 'M1'" "DELETE From XNSysModules where ModuleName = 'Mod1'"
expect "QueryName" "Select QueryName From XNSysQueries"

# Deleting a table
run "drop table Orders" "Delete XNSysFields where TableId = 11"
expect "FieldName" "Select FieldName From XNSysFields where tableid = 11"
refused "SELECT * FROM Orders" DB_E_ERRORSINCOMMAND

[ "$failures" -eq 0 ] && echo "all statements gave their results" || exit 1
