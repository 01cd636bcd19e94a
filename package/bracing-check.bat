@echo off
rem Drag one or more CSV files onto this file. For each it writes
rem NAME-results.csv and NAME-sheet.html beside the input, then waits for a
rem key so that the messages can be read. A project.txt beside the input
rem names the project on the sheet. Its own -results.csv dropped again is
rem checked into itself.
rem Saved in GBK, code page 936, which it sets before its first Chinese
rem line: cmd reads and shows it right on every Windows, and Wine's cmd
rem reads batch files in that code page whatever chcp says. The program's
rem own lines read right in any code page.
setlocal
set "oldcp="
for /f "tokens=2 delims=:" %%c in ('chcp') do set "oldcp=%%c"
chcp 936 >nul
set worst=0
if "%~1"=="" (
  echo 把柱撑的 CSV 文件拖到 bracing-check.bat 上：
  echo 在它旁边写出结果 名称-results.csv 和计算书 名称-sheet.html、名称-sheet.docx。
  echo 同一文件夹中有 project.txt 时，其第一行为计算书上的工程名称。
  set worst=2
)
:next
if "%~1"=="" goto done
echo 验算 "%~nx1"
set "name=%~n1"
if /i "%name:~-8%"=="-results" set "name=%name:~0,-8%"
set "project="
if exist "%~dp1project.txt" set project=--project-file "%~dp1project.txt"
rem The program says of each file whether it wrote it, and why not.
"%~dp0bracing-check.exe" --bom %project% -o "%~dp1%name%-results.csv" --report "%~dp1%name%-sheet.html" --report "%~dp1%name%-sheet.docx" "%~1"
if %errorlevel% gtr %worst% set worst=%errorlevel%
echo.
shift
goto next
:done
pause
if defined oldcp chcp %oldcp% >nul
exit /b %worst%
