@echo off
rem Drag one or more CSV files onto this file. For each it writes
rem NAME-results.csv and NAME-sheet.html beside the input, then waits
rem for a key so that the messages can be read.
setlocal
if "%~1"=="" (
  echo Drag a CSV file of bays onto bracing-check.bat.
  echo It writes NAME-results.csv and NAME-sheet.html beside it.
  pause
  exit /b 2
)
set worst=0
:next
if "%~1"=="" goto done
echo "%~nx1"
"%~dp0bracing-check.exe" --bom -o "%~dpn1-results.csv" --report "%~dpn1-sheet.html" --report "%~dpn1-sheet.docx" "%~1"
set status=%errorlevel%
if %status%==0 echo   Written: "%~n1-results.csv" and "%~n1-sheet.html"
if %status%==1 echo   Written, but the input has problems: see the lines above.
if %status% geq 2 echo   Not written: see the lines above.
if %status% gtr %worst% set worst=%status%
shift
goto next
:done
pause
exit /b %worst%
