<html>
<body>
<h1>Status</h1>
<p>Uptime: %UPTIME%</p>
<p>Client connection: %CLIENT%</p>
<p>Watchdog: %WDOG%</p>
</body>
</html>
