-- pr_Hst_NM: the host, the login of the connection and the calling application.
INSERT INTO procedures (name, body) VALUES ('pr_Hst_NM', '
SELECT HOST_NAME() AS "H_Nm", SUSER_SNAME() AS "SST_US", APP_NAME() AS "NM_Pril"');
